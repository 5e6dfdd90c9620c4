// Message boxes carry the program's title unless given a caption, show the
// requested icon, and leave other windows' posted messages to be dispatched
// while they are open.
#include <gtest/gtest.h>

#include "framework/MessageBox.h"
#include "framework/ProgramTitle.h"
#include "framework/Wnd.h"
#include "tests/framework/DialogWatcher.h"
#include "tests/framework/TestApp.h"

namespace {

constexpr UINT UM_WHILE_OPEN = WM_USER + 80;

class CountingWnd : public CWnd {
public:
    int received = 0;

protected:
    LRESULT OnWhileOpen(WPARAM, LPARAM) { return ++received; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingWnd, CWnd)
    MapMsg<UM_WHILE_OPEN, &ThisClass::OnWhileOpen>(),
END_MESSAGE_MAP()

struct BoxCase {
    const char* caption;  // null: the program's title
    UINT type;
    int answer;
    const char* icon;
};

TEST(MessageBoxTest, ShowsTextCaptionAndIconAndReturnsTheAnswer) {
    const BoxCase cases[] = {
        {nullptr, MB_OK | MB_ICONEXCLAMATION, IDOK, "warning"},
        {"Information", MB_OK | MB_ICONINFORMATION, IDOK, "information"},
        {"Error", MB_OK | MB_ICONERROR, IDOK, "error"},
        {"Information", MB_OKCANCEL, IDCANCEL, ""},
    };
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0));
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.caption ? c.caption : "(title)");
        DialogWatcher watcher(c.answer);
        EXPECT_EQ(owner.MessageBox("Some text here.", c.caption, c.type), c.answer);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        const SeenDialog& seen = watcher.Seen()[0];
        EXPECT_EQ(seen.caption, c.caption ? c.caption : ProgramTitle());
        EXPECT_EQ(seen.MessageText(), "Some text here.");
        EXPECT_EQ(seen.icon, c.icon);
    }
}

TEST(MessageBoxTest, ApplicationBoxIsOwnedByTheMainWindow) {
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, nullptr, 0));
    TheTestApp().m_pMainWnd = &mainWnd;
    DialogWatcher watcher(IDOK);
    EXPECT_EQ(AppMessageBox("From the application."), IDOK);
    TheTestApp().m_pMainWnd = nullptr;
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, ProgramTitle());
    EXPECT_EQ(watcher.Seen()[0].owner, mainWnd.m_hWnd);
}

TEST(MessageBoxTest, MessagePostedWhileTheBoxIsOpenIsDispatchedByItsLoop) {
    CountingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "counting", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    DialogWatcher watcher(IDOK);
    // Posted before the box opens; the box's own loop takes it from the queue
    // (its answer is posted after it).
    wnd.PostMessage(UM_WHILE_OPEN);
    ShowMessageBox(nullptr, "Busy.", "Information", MB_OK);
    EXPECT_EQ(wnd.received, 1);
}

}  // namespace
