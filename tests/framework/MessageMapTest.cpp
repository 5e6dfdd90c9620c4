// Routing of window messages, commands, notifications and colour requests
// through message maps, including inherited entries, the notifications
// handed back to controls, and commands that reach the application.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/Button.h"
#include "framework/DC.h"
#include "framework/Wnd.h"
#include "tests/framework/TestApp.h"
#include "tests/framework/TestPump.h"

namespace {

constexpr UINT UM_PRIVATE = WM_USER + 50;
constexpr UINT UM_BASE_ONLY = WM_USER + 51;

class RecordingWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    void OnTimer(UINT_PTR id) { log.push_back("timer " + std::to_string(id)); }
    LRESULT OnPrivate(WPARAM w, LPARAM l) {
        log.push_back("base private");
        return static_cast<LRESULT>(w + l);
    }
    LRESULT OnBaseOnly(WPARAM, LPARAM) {
        log.push_back("base only");
        return 7;
    }
    void OnCommandOne() { log.push_back("command 1"); }
    void OnEditSetFocus() { log.push_back("setfocus 7"); }
    void OnClickNine(NMHDR* pHdr, LRESULT* pResult) {
        log.push_back("click " + std::to_string(pHdr->idFrom));
        *pResult = 42;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        log.push_back("ctlcolor " + std::to_string(nCtlColor) + (pWnd && pDC ? " with window" : ""));
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
    MapMsg<WM_TIMER, &ThisClass::OnTimer>(),
    MapMsg<UM_PRIVATE, &ThisClass::OnPrivate>(),
    MapMsg<UM_BASE_ONLY, &ThisClass::OnBaseOnly>(),
    MapCommand<1, &ThisClass::OnCommandOne>(),
    MapControl<EN_SETFOCUS, 7, &ThisClass::OnEditSetFocus>(),
    MapNotify<NM_CLICK, 9, &ThisClass::OnClickNine>(),
    MapCtlColor<&ThisClass::OnCtlColor>(),
END_MESSAGE_MAP()

// Its own entry for UM_PRIVATE comes before the base class's.
class DerivedWnd : public RecordingWnd {
protected:
    LRESULT OnPrivate(WPARAM, LPARAM) {
        log.push_back("derived private");
        return -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, RecordingWnd)
    MapMsg<UM_PRIVATE, &ThisClass::OnPrivate>(),
END_MESSAGE_MAP()

// A control that takes back the commands its parent leaves alone.
class ReflectingControl : public CWnd {
public:
    int reflectedCommands = 0;

protected:
    LRESULT OnReflectedCommand(WPARAM, LPARAM) {
        ++reflectedCommands;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingControl, CWnd)
    MapReflected<WM_COMMAND, &ThisClass::OnReflectedCommand>(),
END_MESSAGE_MAP()

class CountingButton : public CButton {
public:
    int draws = 0;
    UINT lastCtlId = 0;
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        ++draws;
        lastCtlId = p->CtlID;
        ::FillRect(p->hDC, &p->rcItem, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    }
};

// The parent paints the buttons itself when its map says so.
class DrawingParent : public CWnd {
public:
    int parentDraws = 0;

protected:
    void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++parentDraws; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DrawingParent, CWnd)
    MapMsg<WM_DRAWITEM, &ThisClass::OnDrawItem>(),
END_MESSAGE_MAP()

const RECT kWindowRect = {0, 0, 200, 120};

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "map", WS_POPUP, kWindowRect, nullptr, 0));
        ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_CHILD, RECT{0, 0, 10, 10}, wnd.m_hWnd, 9));
    }
    DerivedWnd wnd;
    ReflectingControl child;
};

struct RouteCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;       // kChild: the child's handle; kNotifyN: an NMHDR from control N
    LRESULT result;
    const char* logged;  // "" when no handler runs
};

constexpr LPARAM kChild = -2;
constexpr LPARAM kNotify9 = -3;
constexpr LPARAM kNotify8 = -4;

TEST_F(MessageMapTest, RoutesEachKindOfEntry) {
    const RouteCase cases[] = {
        {"own entry wins over the base's", UM_PRIVATE, 2, 3, -1, "derived private"},
        {"base entry is inherited", UM_BASE_ONLY, 0, 0, 7, "base only"},
        {"typed timer", WM_TIMER, 5, 0, 0, "timer 5"},
        {"menu command", WM_COMMAND, MAKEWPARAM(1, 0), 0, 0, "command 1"},
        {"control code", WM_COMMAND, MAKEWPARAM(7, EN_SETFOCUS), kChild, 0, "setfocus 7"},
        {"other code of that control", WM_COMMAND, MAKEWPARAM(7, EN_KILLFOCUS), 0, 0, ""},
        {"notification by id and code", WM_NOTIFY, 9, kNotify9, 42, "click 9"},
        {"notification of another control", WM_NOTIFY, 8, kNotify8, 0, ""},
        {"edit colour", WM_CTLCOLOREDIT, 0, kChild, 0, "ctlcolor 1 with window"},
        {"static colour", WM_CTLCOLORSTATIC, 0, kChild, 0, "ctlcolor 6 with window"},
    };
    HDC hdc = ::GetDC(wnd.m_hWnd);
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.name);
        wnd.log.clear();
        NMHDR hdr = {child.m_hWnd, 0, static_cast<UINT>(NM_CLICK)};
        LPARAM l = c.lParam;
        if (l == kChild) l = reinterpret_cast<LPARAM>(child.m_hWnd);
        if (l == kNotify9 || l == kNotify8) {
            hdr.idFrom = (l == kNotify9) ? 9 : 8;
            l = reinterpret_cast<LPARAM>(&hdr);
        }
        WPARAM w = (c.message >= WM_CTLCOLORMSGBOX && c.message <= WM_CTLCOLORSTATIC) ? reinterpret_cast<WPARAM>(hdc)
                                                                                       : c.wParam;
        LRESULT r = wnd.SendMessage(c.message, w, l);
        std::string logged = wnd.log.empty() ? "" : wnd.log.back();
        EXPECT_EQ(logged, c.logged);
        EXPECT_LE(wnd.log.size(), 1u);
        if (c.message < WM_CTLCOLORMSGBOX || c.message > WM_CTLCOLORSTATIC) EXPECT_EQ(r, c.result);
        else EXPECT_EQ(reinterpret_cast<HBRUSH>(r), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ::ReleaseDC(wnd.m_hWnd, hdc);
}

TEST_F(MessageMapTest, CommandTheParentLeavesGoesBackToTheControl) {
    HWND hChild = child.m_hWnd;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(hChild));
    EXPECT_EQ(child.reflectedCommands, 1);
    // A command the parent handles is not handed back.
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(hChild));
    EXPECT_EQ(child.reflectedCommands, 1);
    EXPECT_EQ(wnd.log.back(), "command 1");
}

TEST_F(MessageMapTest, CommandNoWindowHandlesReachesTheApplication) {
    TestApp& app = TheTestApp();
    app.m_nAppCommands = 0;
    app.m_pMainWnd = nullptr;
    wnd.SendMessage(WM_COMMAND, ID_TEST_APP_COMMAND, 0);
    EXPECT_EQ(app.m_nAppCommands, 0);  // only from the main window
    app.m_pMainWnd = &wnd;
    wnd.SendMessage(WM_COMMAND, ID_TEST_APP_COMMAND, 0);
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(app.m_nAppCommands, 1);
}

// A raw WM_COMMAND entry sees every command, whatever its id and code.
class AllCommandsWnd : public CWnd {
public:
    std::vector<WPARAM> commands;

protected:
    LRESULT OnCommand(WPARAM w, LPARAM) {
        commands.push_back(w);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AllCommandsWnd, CWnd)
    MapRaw<WM_COMMAND, &ThisClass::OnCommand>(),
END_MESSAGE_MAP()

TEST(RawEntryTest, RawCommandEntryTakesEveryCommand) {
    AllCommandsWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "raw", WS_POPUP, kWindowRect, nullptr, 0));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(0, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1009, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(32773, 0), 0);
    EXPECT_EQ(wnd.commands, (std::vector<WPARAM>{MAKEWPARAM(0, 0), MAKEWPARAM(1009, BN_CLICKED), MAKEWPARAM(32773, 0)}));
}

TEST(OwnerDrawTest, DrawItemReachesTheButtonObject) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, kWindowRect, nullptr, 0));
    CountingButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 90, 40}, &parent, 1009));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_TRUE(PumpUntil([&] { return button.draws > 0; }));
    EXPECT_EQ(button.lastCtlId, 1009u);
}

TEST(OwnerDrawTest, ParentThatDrawsItselfKeepsTheRequest) {
    DrawingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, kWindowRect, nullptr, 0));
    CountingButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 90, 40}, &parent, 1010));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_TRUE(PumpUntil([&] { return parent.parentDraws > 0; }));
    EXPECT_EQ(button.draws, 0);
}

}  // namespace
