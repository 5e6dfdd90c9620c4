#include "framework/WndCreationHook.h"

#include "framework/Wnd.h"

namespace {
CWnd* g_pWndInit = nullptr;  // the object waiting for its window
}

CWndCreationHook::CWndCreationHook(CWnd* pWnd) : m_pPrevious(g_pWndInit) {
    g_pWndInit = pWnd;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &HookProc, nullptr, ::GetCurrentThreadId());
}

CWndCreationHook::~CWndCreationHook() {
    if (m_hHook) ::UnhookWindowsHookEx(m_hHook);
    g_pWndInit = m_pPrevious;
}

LRESULT CALLBACK CWndCreationHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // The first window created after the hook went in is the object's; the
    // windows created during its creation (a dialog's controls) are not.
    if (code == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->AttachAtCreation(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
