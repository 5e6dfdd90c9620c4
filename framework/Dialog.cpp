#include "framework/Dialog.h"

#include "framework/MessageLoop.h"
#include "framework/ResourceModule.h"
#include "framework/WinApp.h"
#include "framework/WndCreationHook.h"

IMPLEMENT_RUNTIME_CLASS(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    MapRaw<WM_INITDIALOG, &ThisClass::HandleInitDialog>(),
    MapCommand<IDOK, &ThisClass::HandleOK>(),
    MapCommand<IDCANCEL, &ThisClass::HandleCancel>(),
END_MESSAGE_MAP()

// Every message reaches the object through its window procedure first; the
// dialog procedure only lets the dialog manager's defaults run.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const DLGTEMPLATE* CDialog::GetTemplate() {
    if (m_pTemplate) return m_pTemplate;
    HINSTANCE hModule = ResourceModule();
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!hResource) return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hResource);
    return hData ? static_cast<const DLGTEMPLATE*>(::LockResource(hData)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(const DLGTEMPLATE* pTemplate, HWND hParent) {
    if (!pTemplate || m_hWnd) return FALSE;
    HWND hWnd;
    {
        CWndCreationHook hook(this);
        hWnd = ::CreateDialogIndirectParamA(ResourceModule(), pTemplate, hParent, &CDialog::DialogProc, 0);
    }
    if (!hWnd) {
        if (m_hWnd) UnsubclassWindow();
        return FALSE;
    }
    return m_hWnd == hWnd;
}

BOOL CDialog::Create(UINT idTemplate, CWnd* pParent) {
    m_nIDTemplate = idTemplate;
    m_pTemplate = nullptr;
    if (pParent) m_pParentWnd = pParent;
    return CreateFromTemplate(GetTemplate(), m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent) {
    m_pTemplate = pTemplate;
    if (pParent) m_pParentWnd = pParent;
    return CreateFromTemplate(GetTemplate(), m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal() {
    const DLGTEMPLATE* pTemplate = GetTemplate();
    if (!pTemplate || m_hWnd) return -1;

    HWND hOwner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : nullptr;
    if (!hOwner && CurrentApp() && CurrentApp()->m_pMainWnd != this) hOwner = MainWindowHandle();

    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    if (!CreateFromTemplate(pTemplate, hOwner)) {
        m_bModal = false;
        return -1;
    }
    bool ownerDisabled = false;
    if (hOwner && ::IsWindowEnabled(hOwner)) {
        ::EnableWindow(hOwner, FALSE);
        ownerDisabled = true;
    }
    if (!m_bEndModal && m_hWnd) {
        ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    // The owner gets its input back before the dialog goes, so the system
    // activates it rather than some other program's window.
    if (ownerDisabled) ::EnableWindow(hOwner, TRUE);
    if (m_hWnd) {
        if (hOwner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hOwner);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow();
    }
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    while (!m_bEndModal && m_hWnd) {
        MSG msg;
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        ProcessMessage(msg);
    }
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (m_bModal) {
        m_bEndModal = true;
        if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    if (!m_hWnd || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(HWND hControl) {
    if (hControl) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hControl), TRUE);
}
