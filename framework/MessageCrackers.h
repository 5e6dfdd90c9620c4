// Typed handler arguments for the common window messages (see MessageMap.h).
// Included by Wnd.h; each cracker unpacks wParam and lParam the way the
// system documents the message.
#pragma once

#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/Point.h"
#include "framework/Wnd.h"

namespace crack {
inline CPoint PointOf(LPARAM l) { return CPoint(l); }
}  // namespace crack

#define QUILLON_CRACKER(msg, body)                                                   \
    template <> struct MessageCracker<msg> {                                          \
        template <auto F>                                                             \
        static LRESULT Call(CCmdTarget* pTarget, UINT message, WPARAM wParam, LPARAM lParam) { \
            auto* p = MemberTarget<F>(pTarget);                                       \
            (void)message; (void)wParam; (void)lParam;                                \
            body                                                                      \
        }                                                                             \
    };

// void OnPaint()
QUILLON_CRACKER(WM_PAINT, (p->*F)(); return 0;)
// BOOL OnEraseBkgnd(CDC*)
QUILLON_CRACKER(WM_ERASEBKGND, CDC dc(reinterpret_cast<HDC>(wParam)); return (p->*F)(&dc);)
// void OnTimer(UINT_PTR nIDEvent)
QUILLON_CRACKER(WM_TIMER, (p->*F)(static_cast<UINT_PTR>(wParam)); return 0;)
// void OnShowWindow(BOOL bShow, UINT nStatus)
QUILLON_CRACKER(WM_SHOWWINDOW, (p->*F)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;)
// void OnClose()
QUILLON_CRACKER(WM_CLOSE, (p->*F)(); return 0;)
// void OnDestroy()
QUILLON_CRACKER(WM_DESTROY, (p->*F)(); return 0;)
// int OnCreate(LPCREATESTRUCTA)
QUILLON_CRACKER(WM_CREATE, return (p->*F)(reinterpret_cast<LPCREATESTRUCTA>(lParam));)
// void OnSize(UINT nType, int cx, int cy)
QUILLON_CRACKER(WM_SIZE, (p->*F)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                                 static_cast<short>(HIWORD(lParam))); return 0;)
// void OnSysCommand(UINT nID, LPARAM lParam)
QUILLON_CRACKER(WM_SYSCOMMAND, (p->*F)(static_cast<UINT>(wParam), lParam); return 0;)
// HCURSOR OnQueryDragIcon()
QUILLON_CRACKER(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>((p->*F)());)
// void OnMouseMove(UINT nFlags, CPoint point), and the other mouse buttons
QUILLON_CRACKER(WM_MOUSEMOVE, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
QUILLON_CRACKER(WM_LBUTTONDOWN, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
QUILLON_CRACKER(WM_LBUTTONUP, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
QUILLON_CRACKER(WM_LBUTTONDBLCLK, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
QUILLON_CRACKER(WM_RBUTTONDOWN, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
QUILLON_CRACKER(WM_RBUTTONUP, (p->*F)(static_cast<UINT>(wParam), crack::PointOf(lParam)); return 0;)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags), WM_KEYUP, WM_CHAR
QUILLON_CRACKER(WM_KEYDOWN, (p->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
QUILLON_CRACKER(WM_KEYUP, (p->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
QUILLON_CRACKER(WM_CHAR, (p->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
// void OnSetFocus(CWnd* pOldWnd), void OnKillFocus(CWnd* pNewWnd)
QUILLON_CRACKER(WM_SETFOCUS, CTempWnd other(reinterpret_cast<HWND>(wParam)); (p->*F)(other.Get()); return 0;)
QUILLON_CRACKER(WM_KILLFOCUS, CTempWnd other(reinterpret_cast<HWND>(wParam)); (p->*F)(other.Get()); return 0;)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
QUILLON_CRACKER(WM_SETCURSOR, CTempWnd w(reinterpret_cast<HWND>(wParam));
                return (p->*F)(w.Get(), LOWORD(lParam), HIWORD(lParam));)
// void OnEnable(BOOL bEnable)
QUILLON_CRACKER(WM_ENABLE, (p->*F)(static_cast<BOOL>(wParam)); return 0;)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT)
QUILLON_CRACKER(WM_DRAWITEM, (p->*F)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
                return TRUE;)
// void OnContextMenu(CWnd* pWnd, CPoint screenPoint)
QUILLON_CRACKER(WM_CONTEXTMENU, CTempWnd w(reinterpret_cast<HWND>(wParam));
                (p->*F)(w.Get(), crack::PointOf(lParam)); return 0;)

#undef QUILLON_CRACKER

// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor): every WM_CTLCOLOR...
// message; nCtlColor is CTLCOLOR_EDIT, CTLCOLOR_STATIC, ...
struct CtlColorCracker {
    template <auto F>
    static LRESULT Call(CCmdTarget* pTarget, UINT message, WPARAM wParam, LPARAM lParam) {
        CDC dc(reinterpret_cast<HDC>(wParam));
        CTempWnd w(reinterpret_cast<HWND>(lParam));
        return reinterpret_cast<LRESULT>((MemberTarget<F>(pTarget)->*F)(&dc, w.Get(), message - WM_CTLCOLORMSGBOX));
    }
};

template <auto F>
constexpr MessageMapEntry MapCtlColor() {
    return {WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, 0, 0, &CtlColorCracker::template Call<F>};
}
