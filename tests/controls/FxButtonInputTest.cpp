// CFxButton's answers to real mouse, keyboard, focus, enable and check
// messages sent to real button windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/controls/FxButtonHost.h"

namespace {

const RECT kRect = {10, 10, 130, 40};  // 120 x 30 at (10, 10) of the host

// A skinned button that counts the UM_FX_UNCHECK messages it receives.
class CountingButton : public CFxButton {
public:
    int m_uncheckCount = 0;

protected:
    LRESULT OnCountedUncheck(WPARAM wParam, LPARAM lParam) {
        ++m_uncheckCount;
        return OnUncheck(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingButton, CFxButton)
    MapMsg<UM_FX_UNCHECK, &ThisClass::OnCountedUncheck>(),
END_MESSAGE_MAP()

// A plain control of another class in a radio group, and a stand-in for the
// tooltip: records what it is sent.
class SpyWnd : public CWnd {
public:
    int m_uncheckCount = 0;
    std::vector<MSG> m_relayed;

protected:
    LRESULT OnUncheck(WPARAM, LPARAM) {
        ++m_uncheckCount;
        return 0;
    }
    LRESULT OnRelay(WPARAM, LPARAM lParam) {
        m_relayed.push_back(*reinterpret_cast<const MSG*>(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SpyWnd, CWnd)
    MapMsg<UM_FX_UNCHECK, &ThisClass::OnUncheck>(),
    MapMsg<TTM_RELAYEVENT, &ThisClass::OnRelay>(),
END_MESSAGE_MAP()

class FxButtonInput : public ::testing::Test {
protected:
    void SetUp() override { ::SetCursorPos(0, 0); }

    void MakeButton(CFxButton& button, DWORD style, const RECT& rect = kRect, UINT id = 1) {
        host.AddButton(button, "Input", style, rect, id);
        button.InitButton(nullptr, 1, 0, FALSE);
        PumpQueued();
    }
    // Puts the pointer on a client point of the button and gives the point
    // in the form of a mouse message.
    static LPARAM PointerAt(const CFxButton& button, int x, int y) {
        POINT p = {x, y};
        ::ClientToScreen(button.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
        return ClientPoint(x, y);
    }
    static LRESULT Check(const CFxButton& button) { return button.SendMessage(BM_GETCHECK); }
    static bool Pushed(const CFxButton& button) { return (button.SendMessage(BM_GETSTATE) & BST_PUSHED) != 0; }

    ButtonHost host;
};

struct CheckCase {
    const char* name;
    DWORD style;
    WPARAM set;
    LRESULT answer;
};

const CheckCase kCheckCases[] = {
    {"push button stays unchecked", BS_PUSHBUTTON, 1, 0},
    {"check box, any non-zero checks", BS_AUTOCHECKBOX, 2, 1},
    {"check box unchecked", BS_AUTOCHECKBOX, 0, 0},
    {"radio button", BS_AUTORADIOBUTTON, 1, 1},
    {"push-like check box", BS_AUTOCHECKBOX | BS_PUSHLIKE, 1, 1},
    {"other types classified as check boxes", BS_GROUPBOX, 1, 1},
};

TEST_F(FxButtonInput, CheckStateLivesInTheObject) {
    for (const auto& c : kCheckCases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        MakeButton(button, c.style);
        button.ValidateRect(nullptr);
        EXPECT_EQ(0, button.SendMessage(BM_SETCHECK, c.set));
        EXPECT_EQ(c.answer, Check(button));
        EXPECT_EQ(c.answer, button.m_bChecked);
        EXPECT_TRUE(NeedsPaint(button.m_hWnd));
    }
}

class FxRadioGroup : public FxButtonInput {
protected:
    void SetUp() override {
        FxButtonInput::SetUp();
        const DWORD radio = BS_AUTORADIOBUTTON | WS_TABSTOP;
        host.AddButton(r1, "r1", radio | WS_GROUP, RECT{10, 10, 130, 30}, 11);
        host.AddButton(r2, "r2", radio, RECT{10, 40, 130, 60}, 12);
        host.AddButton(r3, "r3", radio, RECT{10, 70, 130, 90}, 13);
        host.AddButton(check, "check", BS_AUTOCHECKBOX, RECT{10, 100, 130, 120}, 14);
        spy.CreateEx(0, nullptr, "spy", WS_CHILD | WS_VISIBLE, RECT{10, 130, 130, 150}, host.m_hWnd, 15);
        host.AddButton(other, "other group", radio | WS_GROUP, RECT{10, 160, 130, 180}, 16);
        for (CFxButton* b : std::initializer_list<CFxButton*>{&r1, &r2, &r3, &check, &other})
            b->InitButton(nullptr, 1, 0, FALSE);
        r1.SendMessage(BM_SETCHECK, 1);
        check.SendMessage(BM_SETCHECK, 1);
        other.SendMessage(BM_SETCHECK, 1);
        PumpQueued();
        for (CountingButton* b : std::initializer_list<CountingButton*>{&r1, &r2, &r3, &check, &other})
            b->m_uncheckCount = 0;
        spy.m_uncheckCount = 0;
    }

    CountingButton r1, r2, r3, check, other;
    SpyWnd spy;
};

TEST_F(FxRadioGroup, CheckingARadioButtonUnchecksTheOthersOfItsGroup) {
    r2.SendMessage(BM_SETCHECK, 1);
    EXPECT_EQ(1, Check(r1));  // the messages are posted
    PumpQueued();
    EXPECT_EQ(0, Check(r1));
    EXPECT_EQ(1, Check(r2));
    EXPECT_EQ(0, Check(r3));
    EXPECT_EQ(1, Check(check));  // a check box ignores the message
    EXPECT_EQ(1, Check(other));  // another group
    // Every other control of the group exactly once, never the button itself.
    EXPECT_EQ(1, r1.m_uncheckCount);
    EXPECT_EQ(0, r2.m_uncheckCount);
    EXPECT_EQ(1, r3.m_uncheckCount);
    EXPECT_EQ(1, check.m_uncheckCount);
    EXPECT_EQ(1, spy.m_uncheckCount);
    EXPECT_EQ(0, other.m_uncheckCount);
}

TEST_F(FxRadioGroup, UncheckingIsNotAWalk) {
    r1.SendMessage(BM_SETCHECK, 0);
    PumpQueued();
    EXPECT_EQ(0, r2.m_uncheckCount + r3.m_uncheckCount + check.m_uncheckCount + spy.m_uncheckCount);
}

TEST_F(FxRadioGroup, WalkEndsWhenTheSystemSkipsTheButton) {
    // The group walk passes over disabled controls, so it never comes back
    // to a disabled button.
    r2.EnableWindow(FALSE);
    r2.SendMessage(BM_SETCHECK, 1);
    PumpQueued();
    EXPECT_EQ(1, Check(r2));
    EXPECT_EQ(0, Check(r1));
    EXPECT_EQ(1, r1.m_uncheckCount);
    EXPECT_EQ(1, r3.m_uncheckCount);
    EXPECT_EQ(1, check.m_uncheckCount);
    EXPECT_EQ(1, spy.m_uncheckCount);
}

TEST_F(FxRadioGroup, ClickingARadioButtonChecksIt) {
    const LPARAM at = PointerAt(r3, 5, 5);
    r3.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    r3.SendMessage(WM_LBUTTONUP, 0, at);
    PumpQueued();
    EXPECT_EQ(1, Check(r3));
    EXPECT_EQ(0, Check(r1));
    ASSERT_EQ(1u, host.m_clicks.size());
    EXPECT_EQ(13u, host.m_clicks[0].id);
}

TEST_F(FxButtonInput, ReleaseOverACheckBoxTogglesItBeforeTheClickNotification) {
    CFxButton button;
    MakeButton(button, BS_AUTOCHECKBOX);
    const LPARAM at = PointerAt(button, 20, 10);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_TRUE(button.m_bLButtonDown);
    EXPECT_TRUE(button.HasCapture());
    EXPECT_TRUE(Pushed(button));
    EXPECT_EQ(0, Check(button));
    button.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(button.m_bLButtonDown);
    EXPECT_FALSE(button.HasCapture());
    EXPECT_EQ(1, Check(button));
    ASSERT_EQ(1u, host.m_clicks.size());
    EXPECT_EQ(1, host.m_clicks[0].checkAtClick);
}

TEST_F(FxButtonInput, ReleaseOutsideLeavesTheCheckStateAlone) {
    CFxButton button;
    MakeButton(button, BS_AUTOCHECKBOX);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointerAt(button, 20, 10));
    // Off the button while held: the pushed look follows the pointer.
    const LPARAM outside = PointerAt(button, 20, 80);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, outside);
    EXPECT_FALSE(Pushed(button));
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointerAt(button, 20, 10));
    EXPECT_TRUE(Pushed(button));
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointerAt(button, 20, 80));
    button.SendMessage(WM_LBUTTONUP, 0, outside);
    PumpQueued();
    EXPECT_EQ(0, Check(button));
    EXPECT_TRUE(host.m_clicks.empty());
    EXPECT_FALSE(button.HasCapture());
}

TEST_F(FxButtonInput, DraggedInPressChangesNothing) {
    CFxButton button;
    MakeButton(button, BS_AUTOCHECKBOX);
    const LPARAM at = PointerAt(button, 20, 10);
    button.m_bTracking = FALSE;
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at);
    EXPECT_TRUE(button.m_bDragEntered);
    EXPECT_FALSE(button.m_bTracking);  // nothing else happened
    button.SendMessage(WM_LBUTTONUP, 0, at);
    PumpQueued();
    EXPECT_EQ(0, Check(button));
    EXPECT_FALSE(Pushed(button));
    EXPECT_TRUE(host.m_clicks.empty());
    Painted painted(button, 0);
    EXPECT_EQ(FXS_NORMAL, button.m_nState);
    // The next press starts afresh.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_FALSE(button.m_bDragEntered);
    button.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_EQ(1, Check(button));
}

TEST_F(FxButtonInput, DoubleClickTogglesACheckBoxTwice) {
    CFxButton button;
    MakeButton(button, BS_AUTOCHECKBOX);
    const LPARAM at = PointerAt(button, 20, 10);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button.SendMessage(WM_LBUTTONUP, 0, at);
    button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    EXPECT_TRUE(button.HasCapture());  // a second press
    button.SendMessage(WM_LBUTTONUP, 0, at);
    PumpQueued();
    EXPECT_EQ(0, Check(button));
    ASSERT_EQ(2u, host.m_clicks.size());
    EXPECT_EQ(1, host.m_clicks[0].checkAtClick);
    EXPECT_EQ(0, host.m_clicks[1].checkAtClick);
}

TEST_F(FxButtonInput, SpaceTogglesACheckBoxAtEveryKeyDown) {
    CFxButton button;
    MakeButton(button, BS_AUTOCHECKBOX);
    button.SetFocus();
    const LRESULT expected[] = {1, 0, 1};
    for (int i = 0; i < 3; ++i) {
        // The first key-down, then the system's auto-repeat.
        button.SendMessage(WM_KEYDOWN, VK_SPACE, i == 0 ? 0x00390001 : 0x40390001);
        EXPECT_EQ(expected[i], Check(button)) << "key-down " << i;
    }
    button.SendMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpQueued();
    EXPECT_EQ(1, Check(button));
    ASSERT_EQ(1u, host.m_clicks.size());  // the standard button clicks on space up
    EXPECT_EQ(1, host.m_clicks[0].checkAtClick);
}

TEST_F(FxButtonInput, SpaceChecksARadioButtonAndLeavesAPushButtonUnchecked) {
    CFxButton radio, push;
    MakeButton(radio, BS_AUTORADIOBUTTON);
    MakeButton(push, BS_PUSHBUTTON, RECT{10, 50, 130, 80}, 2);
    for (int i = 0; i < 2; ++i) radio.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(1, Check(radio));
    push.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(0, Check(push));
    EXPECT_TRUE(Pushed(push));
    push.SendMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
}

TEST_F(FxButtonInput, HoverMakesTheButtonHotAndLeavingEndsIt) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    button.SendMessage(WM_MOUSEMOVE, 0, PointerAt(button, 20, 10));
    EXPECT_TRUE(button.m_bTracking);
    ASSERT_TRUE(PumpFor([&] { return button.m_bHot != FALSE; }));
    {
        Painted painted(button, 0);
        EXPECT_EQ(FXS_HOT, button.m_nState);
    }
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(PumpFor([&] { return !button.m_bHot; }));
    EXPECT_FALSE(button.m_bTracking);
    // The next move asks again.
    button.SendMessage(WM_MOUSEMOVE, 0, PointerAt(button, 20, 10));
    EXPECT_TRUE(button.m_bTracking);
}

TEST_F(FxButtonInput, HoverAndLeaveNotifications) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    button.ValidateRect(nullptr);
    EXPECT_EQ(1, button.SendMessage(WM_MOUSEHOVER));
    EXPECT_TRUE(button.m_bHot);
    EXPECT_TRUE(NeedsPaint(button.m_hWnd));
    button.m_bTracking = TRUE;
    button.ValidateRect(nullptr);
    EXPECT_EQ(0, button.SendMessage(WM_MOUSELEAVE));
    EXPECT_FALSE(button.m_bHot);
    EXPECT_FALSE(button.m_bTracking);
    EXPECT_TRUE(NeedsPaint(button.m_hWnd));
}

TEST_F(FxButtonInput, PressCancelsTheLeaveRequest) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    const LPARAM at = PointerAt(button, 20, 10);
    button.SendMessage(WM_MOUSEMOVE, 0, at);
    ASSERT_TRUE(button.m_bTracking);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_FALSE(button.m_bTracking);
    button.SendMessage(WM_LBUTTONUP, 0, at);
    ASSERT_EQ(1u, host.m_clicks.size());
}

TEST_F(FxButtonInput, DisablingWhileHotClearsTheHotLookAtOnce) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    button.SendMessage(WM_MOUSEMOVE, 0, PointerAt(button, 20, 10));
    button.SendMessage(WM_MOUSEHOVER);
    ASSERT_TRUE(button.m_bHot);
    button.EnableWindow(FALSE);
    EXPECT_FALSE(button.m_bHot);
    EXPECT_FALSE(button.m_bTracking);
    PumpQueued();
    EXPECT_EQ(FXS_DISABLED, button.m_nState);  // repainted
    button.EnableWindow(TRUE);
    Painted painted(button, 0);
    EXPECT_EQ(FXS_NORMAL, button.m_nState);
}

TEST_F(FxButtonInput, PaintWhileHeldFollowsThePointer) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointerAt(button, 20, 10));
    ASSERT_TRUE(Pushed(button));
    {
        Painted painted(button, ODS_SELECTED);  // pointer over it, pushed: drawn
        EXPECT_TRUE(button.m_bHot);
        EXPECT_EQ(FXS_PRESSED, button.m_nState);
    }
    PointerAt(button, 20, 80);
    {
        // The pushed state is wrong now: corrected, and nothing drawn.
        Painted painted(button, ODS_SELECTED);
        EXPECT_FALSE(Pushed(button));
        EXPECT_FALSE(button.m_bHot);
        EXPECT_EQ(painted.Width() * painted.Height(), painted.Count(Painted::kCanvas));
    }
    PointerAt(button, 20, 10);
    {
        Painted painted(button, 0);
        EXPECT_TRUE(Pushed(button));
        EXPECT_EQ(painted.Width() * painted.Height(), painted.Count(Painted::kCanvas));
    }
    button.SendMessage(WM_LBUTTONUP, 0, ClientPoint(20, 10));
}

TEST_F(FxButtonInput, LosingTheFocusReleasesTheCapture) {
    CFxButton button, other;
    MakeButton(button, BS_PUSHBUTTON);
    MakeButton(other, BS_PUSHBUTTON, RECT{10, 50, 130, 80}, 2);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointerAt(button, 20, 10));
    EXPECT_TRUE(button.m_bFocused);
    ASSERT_TRUE(button.HasCapture());
    other.SetFocus();
    EXPECT_FALSE(button.HasCapture());
    EXPECT_FALSE(button.m_bLButtonDown);
    EXPECT_FALSE(Pushed(button));
}

TEST_F(FxButtonInput, CursorEraseAndFocusMessages) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
    button.m_hCursor = hand;
    EXPECT_EQ(TRUE, button.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(button.m_hWnd),
                                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(hand, ::GetCursor());
    HDC dc = ::GetDC(button.m_hWnd);
    EXPECT_EQ(TRUE, button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)));
    ::ReleaseDC(button.m_hWnd, dc);
    button.m_bFocused = FALSE;
    button.SetFocus();
    EXPECT_TRUE(button.m_bFocused);
}

TEST_F(FxButtonInput, MouseMessagesAreRelayedToTheTooltip) {
    CFxButton button;
    MakeButton(button, BS_PUSHBUTTON);
    SpyWnd tip;
    tip.CreateEx(0, nullptr, "tip", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
    button.m_ToolTip.m_hWnd = tip.m_hWnd;  // borrowed for the test
    const LPARAM at = PointerAt(button, 20, 10);
    button.SendMessage(WM_MOUSEMOVE, 0, at);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button.SendMessage(WM_LBUTTONUP, 0, ClientPoint(21, 12));
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at);  // after the release: dragged in, not relayed
    button.m_ToolTip.m_hWnd = nullptr;

    const UINT messages[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
    ASSERT_EQ(3u, tip.m_relayed.size());
    for (int i = 0; i < 3; ++i) {
        const MSG& m = tip.m_relayed[i];
        EXPECT_EQ(button.m_hWnd, m.hwnd);
        EXPECT_EQ(messages[i], m.message);
        EXPECT_EQ(0u, m.time);
    }
    EXPECT_EQ(static_cast<WPARAM>(MK_LBUTTON), tip.m_relayed[1].wParam);
    EXPECT_EQ(ClientPoint(21, 12), tip.m_relayed[2].lParam);
    EXPECT_EQ(21, tip.m_relayed[2].pt.x);
    EXPECT_EQ(12, tip.m_relayed[2].pt.y);
}

}  // namespace
