// A tooltip control. RelayEvent passes a mouse message on to it.
#pragma once

#include <commctrl.h>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(CWnd* pParent, DWORD style = 0) {
        return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | style,
                        RECT{0, 0, 0, 0}, pParent ? pParent->m_hWnd : nullptr, 0);
    }
    void RelayEvent(MSG* pMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg)); }
    BOOL AddTool(CWnd* pTool, const char* text) {
        TTTOOLINFOA info = {};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = ::GetParent(pTool->m_hWnd);
        info.uId = reinterpret_cast<UINT_PTR>(pTool->m_hWnd);
        info.lpszText = const_cast<char*>(text);
        return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
    }
};
