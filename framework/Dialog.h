// Dialogs from templates: modal ones with the framework's own message loop
// (framework/MessageLoop.h), so that every message passes the windows'
// PreTranslateMessage, and modeless ones (child pages) that live in their
// parent's loop.
#pragma once

#include "framework/Wnd.h"

class CDialog : public CWnd {
    DECLARE_RUNTIME_CLASS(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT idTemplate, CWnd* pParent = nullptr) : m_nIDTemplate(idTemplate), m_pParentWnd(pParent) {}
    // A template in memory; it must stay valid until the dialog is created.
    explicit CDialog(const DLGTEMPLATE* pTemplate, CWnd* pParent = nullptr)
        : m_pTemplate(pTemplate), m_pParentWnd(pParent) {}

    // Creates the dialog, disables its owner (the parent's top-level window,
    // else the main window) and runs the loop until EndDialog. Returns the
    // value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Modeless creation; the dialog is shown only when its template says so.
    using CWnd::Create;
    BOOL Create(UINT idTemplate, CWnd* pParent = nullptr);
    BOOL CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent = nullptr);

    // Ends a modal dialog's loop with that result; hides a modeless dialog.
    void EndDialog(int result);
    bool IsModal() const { return m_bModal; }

    // Runs once the controls exist. The default exchanges the members to the
    // controls and returns TRUE, so the system gives the focus to the first
    // control with a tab stop; FALSE says the dialog has set the focus itself.
    virtual BOOL OnInitDialog();
    // IDOK: members from the controls, then EndDialog(IDOK).
    virtual void OnOK();
    // IDCANCEL (also Escape and the caption's close button): EndDialog(IDCANCEL).
    virtual void OnCancel();

    // Keyboard navigation among the dialog's controls (IsDialogMessage) for
    // keyboard messages to the dialog or its descendants.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Moves the focus to a control the way the dialog manager does.
    void GotoDlgCtrl(HWND hControl);
    void NextDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 0, FALSE); }
    void PrevDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 1, FALSE); }

protected:
    // The template to create; the default loads m_nIDTemplate from the
    // resources. (Room for a template preprocessed for hosted controls.)
    virtual const DLGTEMPLATE* GetTemplate();
    UINT m_nIDTemplate = 0;
    const DLGTEMPLATE* m_pTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(const DLGTEMPLATE* pTemplate, HWND hParent);
    void RunModalLoop();
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    void HandleOK() { OnOK(); }
    void HandleCancel() { OnCancel(); }

    bool m_bModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
