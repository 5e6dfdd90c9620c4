#include "tests/downloader/PageFixture.h"

#include <commctrl.h>
#include <objbase.h>

#include <ostream>

#include "framework/WinApp.h"
#include "tests/framework/TestPump.h"
#include "ui/downloader/MainWindowNotifications.h"

namespace {
CWinApp g_app;
}

void PrintTo(const Notification& n, std::ostream* os) {
    *os << "{" << n.message << ", " << n.wParam << ", " << n.lParam << "}";
}

BEGIN_MESSAGE_MAP(RecordingMainWnd, CWnd)
    MapRaw<UM_PLAY_REQUEST, &ThisClass::OnNotification>(),
    MapRaw<UM_FINISHED_DELTA, &ThisClass::OnNotification>(),
    MapRaw<UM_TASK_COUNT_DELTA, &ThisClass::OnNotification>(),
    MapRaw<UM_SPEED_REPORT, &ThisClass::OnNotification>(),
END_MESSAGE_MAP()

LRESULT RecordingMainWnd::OnNotification(WPARAM w, LPARAM l) {
    received.push_back({GetCurrentMessage()->message, w, l});
    return 0;
}

void PageFixture::SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    ::CoInitialize(nullptr);  // the shell's folder browser needs it
}

void PageFixture::SetUp() {
    dir = std::make_unique<TempDirectory>();
    state = std::make_unique<CAppState>();
    state->LoadAppState();
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_POPUP | WS_VISIBLE, RECT{0, 0, 640, 480}, nullptr, 0));
    g_app.m_pMainWnd = &mainWnd;
}

void PageFixture::CreatePage() {
    page = std::make_unique<DownloaderDlg>(&mainWnd);
    ASSERT_TRUE(page->Create(DownloaderDlg::IDD, &mainWnd));
    page->ShowWindow(SW_SHOW);
    PumpPending();
}

void PageFixture::TearDown() {
    if (page) page->DestroyWindow();
    page.reset();
    mainWnd.DestroyWindow();
    g_app.m_pMainWnd = nullptr;
    PumpPending();
    state.reset();
    dir.reset();
}

int PageFixture::AddTaskRow(DWORD taskId, const std::string& url) {
    CListCtrl& list = page->m_listTasks;
    int row = list.InsertItem(list.GetItemCount(), "", DownloaderDlg::IMG_WAITING);
    list.SetItemData(row, taskId);
    list.SetItemText(row, DownloaderDlg::COL_NAME, url.c_str());
    list.SetItemText(row, DownloaderDlg::COL_STATUS, "Waiting...");
    list.SetItemText(row, DownloaderDlg::COL_SPEED, "0KB");
    list.SetItemText(row, DownloaderDlg::COL_URL, url.c_str());
    return row;
}

std::vector<Notification> PageFixture::TakeNotifications() {
    PumpPending();
    std::vector<Notification> result;
    result.swap(mainWnd.received);
    return result;
}
