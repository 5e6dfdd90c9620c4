#include "framework/Wnd.h"

#include <unordered_map>

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "framework/WndCreationHook.h"

namespace {

std::unordered_map<HWND, CWnd*>& HandleMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

const char kFrameworkWindowClass[] = "QuillonWindow";

void RegisterFrameworkWindowClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameworkWindowClass;
    registered = ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Notifications that a parent may hand back to the control that sent them;
// returns that control's window, or null.
HWND ReflectionSource(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return lParam ? reinterpret_cast<HWND>(lParam) : nullptr;
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
        return wParam ? ::GetDlgItem(hParent, static_cast<int>(wParam)) : nullptr;
    case WM_DELETEITEM:
        return lParam ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_COMPAREITEM:
        return lParam ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return reinterpret_cast<HWND>(lParam);
        return nullptr;
    }
}

}  // namespace

IMPLEMENT_RUNTIME_CLASS(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (!m_hWnd || FromHandlePermanent(m_hWnd) != this) {
        m_hWnd = nullptr;
        return;
    }
    if (m_bCreatedHere && ::IsWindow(m_hWnd)) {
        // The window's last messages still reach the object's map here; the
        // derived parts are already gone, so only the base routing remains.
        ::DestroyWindow(m_hWnd);
    }
    if (m_hWnd) UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    auto& map = HandleMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) {
        auto& map = HandleMap();
        auto it = map.find(h);
        if (it != map.end() && it->second == this) map.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    if (!m_pfnSuper) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* pParent) {
    return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper && ::IsWindow(m_hWnd) &&
        ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::AttachAtCreation(HWND hWnd) {
    if (!Attach(hWnd)) return;
    m_bCreatedHere = true;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND hParent, UINT id, void* pParam) {
    if (m_hWnd) return FALSE;
    if (!className) {
        RegisterFrameworkWindowClass();
        className = kFrameworkWindowClass;
    }
    HMENU hMenuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND hWnd;
    {
        CWndCreationHook hook(this);
        hWnd = ::CreateWindowExA(exStyle, className, windowName, style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, hParent, hMenuOrId,
                                 ::GetModuleHandleA(nullptr), pParam);
    }
    if (!hWnd) {
        if (m_hWnd) UnsubclassWindow();
        return FALSE;
    }
    return m_hWnd == hWnd;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* pParent,
                  UINT id) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, pParent ? pParent->m_hWnd : nullptr, id);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    MSG current = {hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* pPrevious = pWnd->m_pCurrentMsg;
    pWnd->m_pCurrentMsg = &current;
    LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    pWnd->m_pCurrentMsg = pPrevious;

    if (message == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->UnsubclassWindow();
        pWnd->m_bCreatedHere = false;
        pWnd->PostNcDestroy();  // may delete the object
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!m_pCurrentMsg) return 0;
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // The window's own map (and its bases') first.
    if (DispatchToMap(message, wParam, lParam, pResult)) return true;
    // Then the control that sent a notification, through its reflected entries.
    if (ReflectToControl(message, wParam, lParam, pResult)) return true;
    // Commands that no window took go to the application when this is its
    // main window.
    if (message == WM_COMMAND && lParam == 0) {
        CWinApp* pApp = CurrentApp();
        if (pApp && pApp->m_pMainWnd == this && pApp->OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) {
            if (pResult) *pResult = 0;
            return true;
        }
    }
    return false;
}

bool CWnd::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hControl = ReflectionSource(m_hWnd, message, wParam, lParam);
    if (!hControl || hControl == m_hWnd) return false;
    CWnd* pControl = FromHandlePermanent(hControl);
    if (!pControl) return false;
    UINT reflected = ReflectedMessage(message);
    MSG current = {hControl, reflected, wParam, lParam, 0, {0, 0}};
    const MSG* pPrevious = pControl->m_pCurrentMsg;
    pControl->m_pCurrentMsg = &current;
    bool handled = pControl->DispatchToMap(reflected, wParam, lParam, pResult);
    pControl->m_pCurrentMsg = pPrevious;
    return handled;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}
void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, swpFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HWND CWnd::GetTopLevelParent() const {
    HWND h = m_hWnd;
    while (h && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD)) h = ::GetParent(h);
    return h;
}

void CWnd::ScreenToClient(RECT* pRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(pRect), 2);
}

void CWnd::ClientToScreen(RECT* pRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(pRect), 2);
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int got = ::GetWindowTextA(m_hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string CWnd::GetDlgItemText(int id) const {
    HWND h = ::GetDlgItem(m_hWnd, id);
    if (!h) return std::string();
    int length = ::GetWindowTextLengthA(h);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int got = ::GetWindowTextA(h, &text[0], static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ShowMessageBox(m_hWnd, text, caption, type);
}

void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
int CWnd::OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }

CTempWnd::CTempWnd(HWND hWnd) : m_pWnd(CWnd::FromHandlePermanent(hWnd)) {
    if (!m_pWnd && hWnd) {
        m_temp.m_hWnd = hWnd;
        m_pWnd = &m_temp;
    }
    if (!hWnd) m_pWnd = nullptr;
}
