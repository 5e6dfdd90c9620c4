// The downloader page: initialisation, the rows' reaction to each task
// message and the notifications it passes on, the keys it swallows, the hint
// label, the control colours and the painted heading.
#include <atomic>

#include "download/TaskProtocol.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"
#include "framework/MemoryDC.h"
#include "framework/Bitmap.h"
#include "framework/SelectGuard.h"
#include "framework/WorkerThread.h"
#include "tests/downloader/PageFixture.h"
#include "tests/framework/DialogWatcher.h"
#include "tests/framework/TestPump.h"
#include "ui/downloader/MainWindowNotifications.h"

namespace {

using Page = DownloaderDlg;

class DownloaderPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        CreatePage();
    }
    // Posts a task message the way a worker does and lets the page handle it.
    void Post(UINT message, DWORD taskId, LPARAM lParam) {
        ::PostMessageA(g_hDownloaderPage, message, taskId, lParam);
        PumpPending();
    }
};

TEST_F(DownloaderPageTest, InitialisationPreparesTheListAndTheState) {
    EXPECT_EQ(g_hDownloaderPage, page->m_hWnd);
    EXPECT_EQ(page->m_strAddedUrls, "FIND|");
    EXPECT_EQ(page->m_strLastDeletedUrl, "");
    EXPECT_EQ(page->m_listTasks.m_hWnd, page->GetDlgItem(IDC_TASK_LIST));
    EXPECT_EQ(page->m_btnDownload.m_hWnd, page->GetDlgItem(IDC_DOWNLOAD));

    struct Col {
        const char* heading;
        int width;
    };
    const Col expected[] = {{"-", 20}, {"Video Name", 240}, {"Completed", 80}, {"Speed", 50}, {"URL", 125}};
    for (int i = 0; i < 5; ++i) {
        char text[64] = {};
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        col.pszText = text;
        col.cchTextMax = sizeof(text);
        ASSERT_TRUE(page->m_listTasks.GetColumn(i, &col));
        EXPECT_STREQ(text, expected[i].heading);
        EXPECT_EQ(col.cx, expected[i].width);
        EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
    EXPECT_EQ(page->m_listTasks.GetExtendedStyle() & 0x31u, 0x31u);

    HIMAGELIST images = page->m_listTasks.GetImageList(LVSIL_SMALL);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 5);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    EXPECT_FALSE(::IsWindowVisible(page->GetDlgItem(IDC_HINT)));
    EXPECT_EQ(page->GetDlgItemText(IDC_URL), "");
}

struct Step {
    const char* name;
    UINT message;
    LPARAM lParam;  // for UM_TASK_TITLE: index into kTitles
    const char* name1;
    const char* status2;
    const char* speed3;
    int image;
    std::vector<Notification> posts;
};

const char* const kTitles[] = {"Some Clip.flv"};
constexpr DWORD kTask = 4711;
const char kUrl[] = "http://www.youtube.com/watch?v=abcdefghijk";

TEST_F(DownloaderPageTest, RowFollowsTheMessagesOfASuccessfulTask) {
    AddTaskRow(kTask, kUrl);
    const std::vector<Step> steps = {
        {"analysing", UM_TASK_ANALYSING, 0, kUrl, "Page Analysis...", "0KB", Page::IMG_ANALYSING, {}},
        {"title", UM_TASK_TITLE, 0, kTitles[0], "Ready to Download", "0KB", Page::IMG_ANALYSING, {}},
        {"connected", UM_TASK_CONNECTED, 0, kTitles[0], "0KB", "0KB", Page::IMG_TRANSFERRING, {}},
        {"file created", UM_TASK_CONNECTED, 0, kTitles[0], "0KB", "0KB", Page::IMG_TRANSFERRING, {}},
        {"speed 100", UM_TASK_SPEED, 100, kTitles[0], "0KB", "97KB", Page::IMG_TRANSFERRING,
         {{UM_SPEED_REPORT, kTask, 100}}},
        {"progress", UM_TASK_PROGRESS, 2048, kTitles[0], "2048KB", "97KB", Page::IMG_TRANSFERRING, {}},
        {"speed 1", UM_TASK_SPEED, 1, kTitles[0], "2048KB", "0KB", Page::IMG_TRANSFERRING,
         {{UM_SPEED_REPORT, kTask, 1}}},
        {"completed", UM_TASK_COMPLETED, 0, kTitles[0], "2048KB", "Completed", Page::IMG_COMPLETED,
         {{UM_FINISHED_DELTA, 1, 0}, {UM_SPEED_REPORT, kTask, 0}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.message == UM_TASK_TITLE)
            ASSERT_TRUE(PostTaskTitle(g_hDownloaderPage, kTask, kTitles[step.lParam]));
        else
            ::PostMessageA(g_hDownloaderPage, step.message, kTask, step.lParam);
        PumpPending();
        EXPECT_EQ(Cell(0, Page::COL_NAME), step.name1);
        EXPECT_EQ(Cell(0, Page::COL_STATUS), step.status2);
        EXPECT_EQ(Cell(0, Page::COL_SPEED), step.speed3);
        EXPECT_EQ(Cell(0, Page::COL_URL), kUrl);
        EXPECT_EQ(page->m_listTasks.GetItemImage(0), step.image);
        EXPECT_EQ(TakeNotifications(), step.posts);
    }
}

TEST_F(DownloaderPageTest, EveryFailureShowsTheSameTimeOut) {
    for (LPARAM code = TASK_FAIL_ANALYSIS; code <= TASK_FAIL_WRITE; ++code) {
        SCOPED_TRACE(code);
        page->m_listTasks.DeleteAllItems();
        AddTaskRow(kTask, kUrl);
        Post(UM_TASK_ANALYSING, kTask, 0);
        Post(UM_TASK_SPEED, kTask, 256);
        TakeNotifications();
        Post(UM_TASK_TIMEOUT, kTask, code);
        EXPECT_EQ(Cell(0, Page::COL_STATUS), "Connection Time-out");
        EXPECT_EQ(Cell(0, Page::COL_SPEED), "250KB");  // the last speed stays
        EXPECT_EQ(page->m_listTasks.GetItemImage(0), Page::IMG_FAILED);
        EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{UM_SPEED_REPORT, kTask, 0}}));
    }
}

TEST_F(DownloaderPageTest, MessagesOfARemovedTaskChangeNoRowButStillReport) {
    AddTaskRow(kTask, kUrl);
    const DWORD removed = 999;
    Post(UM_TASK_ANALYSING, removed, 0);
    ASSERT_TRUE(PostTaskTitle(g_hDownloaderPage, removed, "Other.flv"));
    PumpPending();
    Post(UM_TASK_PROGRESS, removed, 10);
    Post(UM_TASK_COMPLETED, removed, 0);
    EXPECT_EQ(Cell(0, Page::COL_NAME), kUrl);
    EXPECT_EQ(Cell(0, Page::COL_STATUS), "Waiting...");
    EXPECT_EQ(Cell(0, Page::COL_SPEED), "0KB");
    EXPECT_EQ(page->m_listTasks.GetItemImage(0), Page::IMG_WAITING);
    EXPECT_EQ(TakeNotifications(),
              (std::vector<Notification>{{UM_FINISHED_DELTA, 1, 0}, {UM_SPEED_REPORT, removed, 0}}));
}

TEST_F(DownloaderPageTest, HiddenPageKeepsUpdatingItsRows) {
    AddTaskRow(kTask, kUrl);
    page->ShowWindow(SW_HIDE);
    Post(UM_TASK_ANALYSING, kTask, 0);
    Post(UM_TASK_PROGRESS, kTask, 5);
    EXPECT_EQ(Cell(0, Page::COL_STATUS), "5KB");
}

TEST_F(DownloaderPageTest, SpeedTextIsKilobytesPerSecondTruncated) {
    AddTaskRow(kTask, kUrl);
    const struct {
        LPARAM bytesPerMs;
        const char* text;
    } cases[] = {{0, "0KB"}, {1, "0KB"}, {2, "1KB"}, {100, "97KB"}, {128, "125KB"}, {1024, "1000KB"}, {-3, "-2KB"}};
    for (const auto& c : cases) {
        Post(UM_TASK_SPEED, kTask, c.bytesPerMs);
        EXPECT_EQ(Cell(0, Page::COL_SPEED), c.text) << c.bytesPerMs;
    }
}

// A suspended thread standing in for a waiting worker.
struct StandInWorker {
    static DWORD WINAPI Run(LPVOID param) {
        StandInWorker* self = static_cast<StandInWorker*>(param);
        self->ran = true;
        g_runningTasks.fetch_sub(1);  // as a worker does at its end
        return 0;
    }
    std::atomic<bool> ran{false};
    DWORD id = 0;
    void Start() {
        CWorkerThread* p = CWorkerThread::Begin(&Run, this, THREAD_PRIORITY_NORMAL);
        ASSERT_NE(p, nullptr);
        id = p->m_nThreadID;
    }
};

TEST_F(DownloaderPageTest, EndOfATaskResumesTheTopmostWaitingOne) {
    StandInWorker upper, lower;
    upper.Start();
    lower.Start();
    AddTaskRow(1, "http://www.youtube.com/watch?v=first");
    AddTaskRow(upper.id, "http://www.youtube.com/watch?v=upper");
    AddTaskRow(lower.id, "http://www.youtube.com/watch?v=lower");
    Post(UM_TASK_ANALYSING, 1, 0);
    int before = g_runningTasks.load();
    Post(UM_TASK_TIMEOUT, 1, TASK_FAIL_NETWORK);
    EXPECT_TRUE(PumpUntil([&] { return upper.ran.load(); }));
    EXPECT_FALSE(lower.ran.load());
    EXPECT_TRUE(PumpUntil([&] { return g_runningTasks.load() == before; }));

    // With three running, a completion starts nobody.
    page->m_listTasks.SetItemText(1, Page::COL_STATUS, "Page Analysis...");
    g_runningTasks.fetch_add(3);
    Post(UM_TASK_COMPLETED, 1, 0);
    EXPECT_FALSE(PumpUntil([&] { return lower.ran.load(); }, 100));
    g_runningTasks.fetch_sub(3);
    Post(UM_TASK_COMPLETED, 1, 0);
    EXPECT_TRUE(PumpUntil([&] { return lower.ran.load(); }));
}

// Records the keys that reach the address box.
class KeyRecorder : public CWnd {
public:
    std::vector<WPARAM> keys;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        keys.push_back(nChar);
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeyRecorder, CWnd)
    MapMsg<WM_KEYDOWN, &ThisClass::OnKeyDown>(),
END_MESSAGE_MAP()

TEST_F(DownloaderPageTest, EnterAndEscapeAreSwallowed) {
    KeyRecorder box;
    ASSERT_TRUE(box.SubclassWindow(page->GetDlgItem(IDC_URL)));
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE), WPARAM('A')})
        ::PostMessageA(box.m_hWnd, WM_KEYDOWN, key, 1);
    PumpPending();
    EXPECT_EQ(box.keys, (std::vector<WPARAM>{'A'}));
    EXPECT_TRUE(page->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(page->m_hWnd));
    box.UnsubclassWindow();
}

TEST_F(DownloaderPageTest, HintShowsUntilItsTimerAndRequireSelectionAsksForOne) {
    HWND hint = page->GetDlgItem(IDC_HINT);
    AddTaskRow(kTask, kUrl);
    EXPECT_FALSE(page->RequireSelection());
    EXPECT_TRUE(::IsWindowVisible(hint));
    EXPECT_EQ(page->GetDlgItemText(IDC_HINT), "Please Select A Task !");

    page->ShowHint("Please Wait For Task Completed !");  // replaces the first
    EXPECT_EQ(page->GetDlgItemText(IDC_HINT), "Please Wait For Task Completed !");
    // The timer's event hides the label and stops the timer.
    page->SendMessage(WM_TIMER, Page::kHintTimer);
    EXPECT_FALSE(::IsWindowVisible(hint));
    EXPECT_FALSE(page->KillTimer(Page::kHintTimer));

    page->m_listTasks.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(page->RequireSelection());
    EXPECT_FALSE(::IsWindowVisible(hint));
}

TEST_F(DownloaderPageTest, HintHidesItselfAfterFiveSeconds) {
    HWND hint = page->GetDlgItem(IDC_HINT);
    DWORD start = ::GetTickCount();
    page->ShowHint("Please Select A Task !");
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hint); }, 8000));
    EXPECT_GE(::GetTickCount() - start, 4900u);
}

HWND LabelWithText(HWND hPage, const char* text) {
    for (HWND h = ::GetWindow(hPage, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char buffer[64] = {};
        ::GetWindowTextA(h, buffer, sizeof(buffer));
        if (lstrcmpA(buffer, text) == 0) return h;
    }
    return nullptr;
}

TEST_F(DownloaderPageTest, ControlColoursOfTheAddressBoxLabelsAndHint) {
    const COLORREF kUntouched = RGB(1, 2, 3);
    const COLORREF white = RGB(255, 255, 255);
    const HBRUSH whiteBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    struct Case {
        const char* name;
        HWND control;
        UINT message;
        COLORREF text;  // kUntouched: not the page's own colour
        bool whiteBack;
    };
    HWND hPage = page->m_hWnd;
    const Case cases[] = {
        {"address box", page->GetDlgItem(IDC_URL), WM_CTLCOLOREDIT, RGB(0, 0, 200), false},
        {"save-to box", page->GetDlgItem(IDC_SAVE_TO), WM_CTLCOLOREDIT, kUntouched, false},
        {"check box", page->GetDlgItem(IDC_DELETE_FILE), WM_CTLCOLORSTATIC, kUntouched, true},
        {"address label", LabelWithText(hPage, "YouTube Video URL:"), WM_CTLCOLORSTATIC, kUntouched, true},
        {"save-to label", LabelWithText(hPage, "Save To:"), WM_CTLCOLORSTATIC, kUntouched, true},
        {"hint", page->GetDlgItem(IDC_HINT), WM_CTLCOLORSTATIC, RGB(240, 0, 0), true},
        {"push button", page->GetDlgItem(IDC_DOWNLOAD), WM_CTLCOLORBTN, kUntouched, false},
    };
    CMemoryDC dc(static_cast<HDC>(nullptr));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.control, nullptr);
        dc.SetTextColor(kUntouched);
        dc.SetBkColor(kUntouched);
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            ::SendMessageA(hPage, c.message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(c.control)));
        if (c.text != kUntouched) {
            EXPECT_EQ(dc.GetTextColor(), c.text);
        } else {
            EXPECT_NE(dc.GetTextColor(), RGB(0, 0, 200));
        }
        if (c.whiteBack) {
            EXPECT_EQ(dc.GetBkColor(), white);
            EXPECT_EQ(brush, whiteBrush);
        } else {
            EXPECT_NE(brush, whiteBrush);
        }
    }
}

TEST_F(DownloaderPageTest, HeadingIsPaintedIntoTheBackground) {
    const COLORREF grey = RGB(128, 128, 128);
    CMemoryDC dc(static_cast<HDC>(nullptr));
    CBitmap bitmap;
    {
        CDC screen(::GetDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 560, 60));
        ::ReleaseDC(nullptr, screen.Detach());
    }
    CSelectGuard select(dc, bitmap);
    CRect all(0, 0, 560, 60);
    dc.FillSolidRect(&all, grey);
    dc.SetBkColor(RGB(255, 255, 255));  // a fresh device context's default
    EXPECT_EQ(page->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())), TRUE);

    // The line: from (160, 30) up to, not including, (500, 30).
    for (int x : {160, 300, 499}) EXPECT_EQ(dc.GetPixel(x, 30), RGB(24, 141, 220)) << x;
    EXPECT_EQ(dc.GetPixel(5, 30), grey);
    EXPECT_EQ(dc.GetPixel(500, 30), grey);
    EXPECT_EQ(dc.GetPixel(300, 29), grey);

    // The heading: text colour on an opaque white background, from (10, 18).
    int textPixels = 0, whitePixels = 0;
    for (int y = 18; y < 36; ++y)
        for (int x = 10; x < 200; ++x) {
            COLORREF c = dc.GetPixel(x, y);
            textPixels += c == RGB(12, 62, 113);
            whitePixels += c == RGB(255, 255, 255);
        }
    EXPECT_GT(textPixels, 100);
    EXPECT_GT(whitePixels, 100);
    // Nothing else: above the heading and below the line stays as it was.
    for (int x = 0; x < 560; x += 7) {
        EXPECT_EQ(dc.GetPixel(x, 10), grey) << x;
        EXPECT_EQ(dc.GetPixel(x, 50), grey) << x;
    }
}

TEST_F(DownloaderPageTest, TaskMessagePostedWhileAMessageBoxIsOpenIsNotLost) {
    AddTaskRow(kTask, kUrl);
    Post(UM_TASK_ANALYSING, kTask, 0);
    TakeNotifications();
    // The folder check fails (no Save To path, no download folder to create)
    // and opens its message box; the completion is already in the queue.
    page->m_strSaveTo = dir->Join("missing\\typed");
    ::lstrcpyA(state->m_downloadFolder, dir->Join("missing\\sub\\").c_str());
    DialogWatcher watcher(IDOK);
    ::PostMessageA(g_hDownloaderPage, UM_TASK_COMPLETED, kTask, 0);
    EXPECT_FALSE(page->CheckDownloadFolder());
    ASSERT_EQ(watcher.Seen().size(), 1u);
    // Handled by the message box's own loop, before it closed.
    EXPECT_EQ(Cell(0, Page::COL_SPEED), "Completed");
    EXPECT_EQ(page->m_listTasks.GetItemImage(0), Page::IMG_COMPLETED);
    EXPECT_EQ(TakeNotifications(),
              (std::vector<Notification>{{UM_FINISHED_DELTA, 1, 0}, {UM_SPEED_REPORT, kTask, 0}}));
}

}  // namespace
