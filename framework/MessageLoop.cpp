#include "framework/MessageLoop.h"

#include "framework/Wnd.h"

namespace {

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsDialogWindow(HWND hWnd) {
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    return lstrcmpA(className, "#32770") == 0;
}

HWND TopLevelOf(HWND hWnd) {
    while (hWnd && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
    return hWnd;
}

}  // namespace

bool PreTranslateChain(MSG* pMsg) {
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return true;
        if (!(::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD)) break;  // the top level
    }
    return false;
}

void ProcessMessage(MSG& msg) {
    if (msg.hwnd && PreTranslateChain(&msg)) return;
    if (msg.hwnd && IsKeyboardMessage(msg.message)) {
        HWND hTop = TopLevelOf(msg.hwnd);
        if (hTop && IsDialogWindow(hTop) && ::IsDialogMessageA(hTop, &msg)) return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

bool PumpWaitingMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ProcessMessage(msg);
    }
    return true;
}
