// Attaches an object to the window that the system is about to create, so
// that the object sees the window's very first messages. Used by window and
// dialog creation; one creation at a time on the user-interface thread.
#pragma once

#include <windows.h>

class CWnd;

class CWndCreationHook {
public:
    explicit CWndCreationHook(CWnd* pWnd);
    CWndCreationHook(const CWndCreationHook&) = delete;
    CWndCreationHook& operator=(const CWndCreationHook&) = delete;
    ~CWndCreationHook();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
    CWnd* m_pPrevious;
};
