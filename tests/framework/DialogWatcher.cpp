#include "tests/framework/DialogWatcher.h"

#include <algorithm>

#include "framework/Wnd.h"

namespace {
DialogWatcher* g_pWatcher = nullptr;

std::string ClassOf(HWND h) {
    char name[64] = {};
    ::GetClassNameA(h, name, sizeof(name));
    return name;
}

std::string TextOf(HWND h) {
    char text[1024] = {};
    ::GetWindowTextA(h, text, sizeof(text));
    return text;
}

std::string IconName(HICON hIcon) {
    struct Known {
        LPCSTR id;
        const char* name;
    };
    static const Known known[] = {
        {IDI_ERROR, "error"}, {IDI_INFORMATION, "information"}, {IDI_WARNING, "warning"}, {IDI_QUESTION, "question"}};
    for (const Known& k : known)
        if (hIcon && hIcon == ::LoadIconA(nullptr, k.id)) return k.name;
    return hIcon ? "other" : "";
}

BOOL CALLBACK CollectChild(HWND hChild, LPARAM lParam) {
    SeenDialog* pSeen = reinterpret_cast<SeenDialog*>(lParam);
    if (_stricmp(ClassOf(hChild).c_str(), "Static") != 0) return TRUE;
    LONG style = static_cast<LONG>(::GetWindowLongPtrA(hChild, GWL_STYLE));
    if ((style & SS_TYPEMASK) == SS_ICON) {
        HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, STM_GETICON, 0, 0));
        if (hIcon) pSeen->icon = IconName(hIcon);
    } else {
        std::string text = TextOf(hChild);
        if (!text.empty()) pSeen->texts.push_back(text);
    }
    return TRUE;
}
}  // namespace

std::string SeenDialog::MessageText() const {
    std::string longest;
    for (const std::string& t : texts)
        if (t.size() > longest.size()) longest = t;
    return longest;
}

bool SeenDialog::HasText(const std::string& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

DialogWatcher::DialogWatcher(int answer) : m_answer(answer) {
    g_pWatcher = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &HookProc, nullptr, ::GetCurrentThreadId());
}

DialogWatcher::~DialogWatcher() {
    if (m_hHook) ::UnhookWindowsHookEx(m_hHook);
    if (g_pWatcher == this) g_pWatcher = nullptr;
}

LRESULT CALLBACK DialogWatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_pWatcher) g_pWatcher->OnActivate(reinterpret_cast<HWND>(wParam));
    if (code == HCBT_DESTROYWND && g_pWatcher) {
        auto& answered = g_pWatcher->m_answered;
        answered.erase(std::remove(answered.begin(), answered.end(), reinterpret_cast<HWND>(wParam)), answered.end());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogWatcher::OnActivate(HWND hDialog) {
    // Only the system's own dialogs (the framework's have an object), each once.
    if (ClassOf(hDialog) != "#32770" || CWnd::FromHandlePermanent(hDialog)) return;
    if (std::find(m_answered.begin(), m_answered.end(), hDialog) != m_answered.end()) return;
    if (::GetWindowLongPtrA(hDialog, GWL_STYLE) & WS_CHILD) return;
    SeenDialog seen;
    seen.caption = TextOf(hDialog);
    seen.owner = ::GetWindow(hDialog, GW_OWNER);
    ::EnumChildWindows(hDialog, &CollectChild, reinterpret_cast<LPARAM>(&seen));
    m_seen.push_back(seen);
    m_answered.push_back(hDialog);
    // Posted, so that whatever is already in the queue reaches the dialog's
    // loop first.
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(m_answer, BN_CLICKED), 0);
}
