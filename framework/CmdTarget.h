// The root of every class with a message map (windows and the application).
#pragma once

#include "framework/MessageMap.h"
#include "framework/RuntimeClass.h"

class CCmdTarget : public CObject {
public:
    // Runs the handler of WM_COMMAND (id, code) from this object's map.
    // False when the map has none.
    bool OnCmdMsg(UINT id, UINT code);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Looks the message up in the map and runs its handler.
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};
