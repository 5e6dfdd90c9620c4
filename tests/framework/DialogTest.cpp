// Dialogs: data exchange in both directions with binding of member objects,
// and the modal loop, which offers every message to the target's
// PreTranslateMessage and then to its ancestors', does the dialog manager's
// keyboard navigation and dispatches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MessageLoop.h"
#include "tests/framework/TestDialogTemplate.h"
#include "tests/framework/TestPump.h"

namespace {

constexpr WORD IDC_NAME = 101;
constexpr WORD IDC_FLAG = 102;
constexpr WORD IDC_LABEL = 103;
constexpr WORD IDC_PLAIN = 201;
constexpr WORD IDC_BOUND = 202;
constexpr WORD IDC_PAGE_EDIT = 301;
constexpr UINT UM_PROBE = WM_USER + 70;
constexpr UINT UM_FINISH = WM_USER + 71;

// A control object that records the messages offered to it before dispatch.
class ChainControl : public CWnd {
public:
    std::vector<std::string>* pLog = nullptr;
    const char* name = "";
    WPARAM consumeKey = 0;  // a WM_KEYDOWN key that this control consumes
    int probesDispatched = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == UM_PROBE)
            pLog->push_back(std::string(name) + " " + std::to_string(pMsg->wParam));
        return pMsg->message == WM_KEYDOWN && pMsg->wParam == consumeKey;
    }

protected:
    LRESULT OnProbe(WPARAM, LPARAM) { return ++probesDispatched; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChainControl, CWnd)
    MapMsg<UM_PROBE, &ThisClass::OnProbe>(),
END_MESSAGE_MAP()

class ExchangeDlg : public CDialog {
public:
    using CDialog::CDialog;
    std::string m_strName = "alpha";
    int m_bFlag = 1;
    ChainControl m_label;

    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        pDX->Control(IDC_LABEL, m_label);
        pDX->Text(IDC_NAME, m_strName);
        pDX->Check(IDC_FLAG, m_bFlag);
    }
};

TestDialogTemplate ExchangeTemplate() {
    TestDialogTemplate t(WS_POPUP | WS_VISIBLE, 0, 0, 160, 80);
    t.Add("EDIT", "", IDC_NAME, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 12)
        .Add("BUTTON", "flag", IDC_FLAG, BS_AUTOCHECKBOX | WS_TABSTOP, 5, 20, 60, 10)
        .Add("STATIC", "label", IDC_LABEL, SS_LEFT, 5, 35, 60, 10);
    return t;
}

TEST(DataExchangeTest, MembersGoToTheControlsAndComeBack) {
    TestDialogTemplate t = ExchangeTemplate();
    ExchangeDlg dlg(t.Get());
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));

    // The default initialisation exchanged the members to the controls and
    // bound the label object.
    EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME), "alpha");
    EXPECT_EQ(::SendMessageA(dlg.GetDlgItem(IDC_FLAG), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(dlg.m_label.m_hWnd, dlg.GetDlgItem(IDC_LABEL));
    EXPECT_EQ(::SendMessageA(dlg.GetDlgItem(IDC_LABEL), UM_PROBE, 0, 0), 1);

    ::SetWindowTextA(dlg.GetDlgItem(IDC_NAME), "beta gamma");
    ::SendMessageA(dlg.GetDlgItem(IDC_FLAG), BM_SETCHECK, BST_UNCHECKED, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strName, "beta gamma");
    EXPECT_EQ(dlg.m_bFlag, 0);

    // A second pass keeps the binding as it is.
    HWND bound = dlg.m_label.m_hWnd;
    dlg.m_strName.clear();
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME), "");
    EXPECT_EQ(dlg.m_label.m_hWnd, bound);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_label.m_hWnd, nullptr);
}

// A child page inside the modal dialog, as the program's pages are.
class ChainPage : public CDialog {
public:
    std::vector<std::string>* pLog = nullptr;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == UM_PROBE)
            pLog->push_back("page " + std::to_string(pMsg->wParam));
        return CDialog::PreTranslateMessage(pMsg);
    }
};

class ChainDlg : public CDialog {
public:
    using CDialog::CDialog;
    std::vector<std::string> log;
    ChainControl m_bound;
    ChainPage m_page;
    const DLGTEMPLATE* pPageTemplate = nullptr;
    HWND ownerSeenDisabled = nullptr;
    CWnd* pOwner = nullptr;
    int focusIdAtFinish = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == UM_PROBE)
            log.push_back("dialog " + std::to_string(pMsg->wParam));
        return CDialog::PreTranslateMessage(pMsg);
    }
    void DoDataExchange(CDataExchange* pDX) override { pDX->Control(IDC_BOUND, m_bound); }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bound.pLog = &log;
        m_bound.name = "bound";
        m_bound.consumeKey = 'C';
        m_page.pLog = &log;
        m_page.CreateIndirect(pPageTemplate, this);
        HWND hPageEdit = m_page.GetDlgItem(IDC_PAGE_EDIT);
        // Queued now, handled by the modal loop in this order.
        ::PostMessageA(m_bound.m_hWnd, UM_PROBE, 1, 0);          // bound control, then dialog
        ::PostMessageA(GetDlgItem(IDC_PLAIN), UM_PROBE, 2, 0);   // objectless edit: dialog only
        ::PostMessageA(m_bound.m_hWnd, WM_KEYDOWN, 'C', 0);      // consumed by the control
        ::PostMessageA(hPageEdit, UM_PROBE, 3, 0);               // page, then dialog
        ::PostMessageA(m_hWnd, UM_FINISH, 0, 0);
        return TRUE;
    }

protected:
    LRESULT OnFinish(WPARAM, LPARAM) {
        if (pOwner && !pOwner->IsWindowEnabled()) ownerSeenDisabled = pOwner->m_hWnd;
        focusIdAtFinish = ::GetDlgCtrlID(::GetFocus());
        // Enter in the edit: the dialog manager turns it into IDOK, which ends
        // the dialog through OnOK.
        ::PostMessageA(GetDlgItem(IDC_PLAIN), WM_KEYDOWN, VK_RETURN, 0);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChainDlg, CDialog)
    MapMsg<UM_FINISH, &ThisClass::OnFinish>(),
END_MESSAGE_MAP()

TEST(ModalLoopTest, OffersMessagesUpTheChainThenNavigatesThenDispatches) {
    TestDialogTemplate t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 120, "modal");
    t.Add("EDIT", "", IDC_PLAIN, WS_BORDER | WS_TABSTOP, 5, 5, 100, 12)
        .Add("STATIC", "bound", IDC_BOUND, SS_LEFT, 5, 20, 60, 10);
    TestDialogTemplate page(WS_CHILD | WS_VISIBLE, 0, 40, 150, 40);
    page.Add("EDIT", "", IDC_PAGE_EDIT, WS_BORDER | WS_TABSTOP, 5, 5, 80, 12);

    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0));
    ChainDlg dlg(t.Get(), &owner);
    dlg.pPageTemplate = page.Get();
    dlg.pOwner = &owner;

    EXPECT_EQ(dlg.DoModal(), IDOK);

    const std::vector<std::string> expected = {
        "bound 1", "dialog 1", "dialog 2", "bound 67", "page 3", "dialog 3",
    };
    // The Enter key at the end passes the dialog too; what counts is the chain
    // before it.
    ASSERT_GE(dlg.log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(dlg.log.begin(), dlg.log.begin() + expected.size()), expected);
    EXPECT_EQ(dlg.m_bound.probesDispatched, 1);  // dispatched after the chain let it pass
    EXPECT_EQ(dlg.ownerSeenDisabled, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.focusIdAtFinish, IDC_PLAIN);  // the first tab stop
    EXPECT_EQ(dlg.m_hWnd, nullptr);  // destroyed
}

class QuitDlg : public CDialog {
public:
    using CDialog::CDialog;
    BOOL OnInitDialog() override {
        ::PostQuitMessage(3);
        return CDialog::OnInitDialog();
    }
};

TEST(ModalLoopTest, QuitEndsTheLoopAndIsKeptForTheOuterLoop) {
    TestDialogTemplate t(WS_POPUP | WS_VISIBLE, 0, 0, 100, 50);
    QuitDlg dlg(t.Get());
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

class EndAtOnceDlg : public CDialog {
public:
    using CDialog::CDialog;
    BOOL OnInitDialog() override {
        EndDialog(12);
        return TRUE;
    }
};

TEST(ModalLoopTest, EndDialogDuringInitialisationReturnsAtOnce) {
    TestDialogTemplate t(WS_POPUP, 0, 0, 100, 50);
    EndAtOnceDlg dlg(t.Get());
    EXPECT_EQ(dlg.DoModal(), 12);
}

TEST(ModalLoopTest, MissingTemplateFails) {
    CDialog dlg(static_cast<UINT>(9999));
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(9999));
}

}  // namespace
