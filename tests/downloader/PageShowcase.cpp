// Shows the downloader page with a row in each task state, for the
// screenshot in docs/ (tools/screenshot.sh downloader-page). The rows reach
// their states through the same task messages the workers post. Prints
// "ready <width> <height>" once painted and ends when the file named by its
// argument exists, or after 60 seconds.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/AppState.h"
#include "download/TaskProtocol.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"
#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/MemoryDC.h"
#include "framework/MessageLoop.h"
#include "framework/SelectGuard.h"
#include "framework/WinApp.h"
#include "ui/downloader/DownloaderDlg.h"

namespace {

CWinApp g_app;

// Where the main window's page frame lies on its background picture, about.
const int kFrameX = 215;
const int kFrameY = 90;

// Stands in for the main window: the part of its background picture that
// lies behind the page.
class HostWnd : public CWnd {
protected:
    BOOL OnEraseBkgnd(CDC* pDC) {
        CBitmap picture;
        picture.LoadBitmap(IDB_BACKGROUND);
        CMemoryDC source(pDC);
        CSelectGuard select(source, picture);
        CRect client;
        GetClientRect(&client);
        pDC->BitBlt(0, 0, client.Width(), client.Height(), &source, kFrameX, kFrameY, SRCCOPY);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HostWnd, CWnd)
    MapMsg<WM_ERASEBKGND, &ThisClass::OnEraseBkgnd>(),
END_MESSAGE_MAP()

struct ShowcaseRow {
    DWORD taskId;
    const char* url;
    const char* title;  // null: no UM_TASK_TITLE
    // The messages that bring the row to its state, in the workers' order.
    struct Message {
        UINT message;
        LPARAM lParam;
    } messages[6];
};

const ShowcaseRow kRows[] = {
    {101, "http://www.youtube.com/watch?v=Qm2fTxp8Ls0", "Mountain Sunrise Timelapse.flv",
     {{UM_TASK_ANALYSING, 0}, {UM_TASK_CONNECTED, 0}, {UM_TASK_CONNECTED, 0}, {UM_TASK_SPEED, 180},
      {UM_TASK_PROGRESS, 18342}, {UM_TASK_COMPLETED, 0}}},
    {102, "http://www.youtube.com/watch?v=Hk41nVbq0Zc", "Street Piano in the Rain.flv",
     {{UM_TASK_ANALYSING, 0}, {UM_TASK_CONNECTED, 0}, {UM_TASK_CONNECTED, 0}, {UM_TASK_SPEED, 96},
      {UM_TASK_PROGRESS, 6213}}},
    {103, "http://www.youtube.com/watch?v=c7Rw0aPzT1e", "How Sourdough Rises.flv",
     {{UM_TASK_ANALYSING, 0}, {UM_TASK_CONNECTED, 0}}},
    {104, "http://www.youtube.com/watch?v=Zp9dLq3Xe8w", "Harbour Cranes at Night.flv", {{UM_TASK_ANALYSING, 0}}},
    {105, "http://www.youtube.com/watch?v=bN0s5Ty2KqA", nullptr, {{UM_TASK_ANALYSING, 0}}},
    {106, "http://www.youtube.com/watch?v=Wd8gRm4Hx2o", nullptr, {{UM_TASK_ANALYSING, 0}, {UM_TASK_TIMEOUT, 3}}},
    {107, "http://www.youtube.com/watch?v=Ej5uVc1Pn7y", nullptr, {}},
    {108, "http://www.youtube.com/watch?v=Ro3kYb6Mt9f", nullptr, {}},
};

void Pump() {
    for (int i = 0; i < 3; ++i) PumpWaitingMessages();
}

}  // namespace

int main(int argc, char** argv) {
    const char* stopFile = argc > 1 ? argv[1] : nullptr;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);

    CAppState state;
    state.LoadAppState();
    std::strcpy(state.m_downloadFolder, "C:\\Videos\\VDOWNLOAD\\");

    HostWnd host;
    if (!host.CreateEx(0, nullptr, "Quillon", WS_POPUP, RECT{0, 0, 580, 470}, nullptr, 0)) return 1;
    g_app.m_pMainWnd = &host;
    DownloaderDlg page(&host);
    if (!page.Create(DownloaderDlg::IDD, &host)) return 1;
    CRect rc;
    page.GetWindowRect(&rc);
    page.MoveWindow(0, 0, rc.Width(), rc.Height());
    host.MoveWindow(0, 0, rc.Width(), rc.Height());
    page.SetDlgItemText(IDC_URL, "http://www.youtube.com/watch?v=Ro3kYb6Mt9f");

    CListCtrl& list = page.m_listTasks;
    for (const ShowcaseRow& row : kRows) {
        int i = list.InsertItem(list.GetItemCount(), "", DownloaderDlg::IMG_WAITING);
        list.SetItemData(i, row.taskId);
        list.SetItemText(i, DownloaderDlg::COL_NAME, row.url);
        list.SetItemText(i, DownloaderDlg::COL_STATUS, "Waiting...");
        list.SetItemText(i, DownloaderDlg::COL_SPEED, "0KB");
        list.SetItemText(i, DownloaderDlg::COL_URL, row.url);
    }
    g_runningTasks = DownloaderDlg::kMaxRunningTasks;  // nobody is resumed: the ids are made up
    for (const ShowcaseRow& row : kRows) {
        for (const ShowcaseRow::Message& m : row.messages) {
            if (!m.message) break;
            ::PostMessageA(g_hDownloaderPage, m.message, row.taskId, m.lParam);
            if (m.message == UM_TASK_ANALYSING && row.title) PostTaskTitle(g_hDownloaderPage, row.taskId, row.title);
        }
    }
    Pump();
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    host.ShowWindow(SW_SHOW);
    page.ShowWindow(SW_SHOW);
    host.UpdateWindow();
    Pump();
    page.ShowHint("Please Wait For Task Completed !");
    Pump();

    CRect hostRect;
    host.GetWindowRect(&hostRect);
    std::printf("ready %d %d\n", hostRect.Width(), hostRect.Height());
    std::fflush(stdout);

    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 60000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        if (stopFile && ::GetFileAttributesA(stopFile) != INVALID_FILE_ATTRIBUTES) break;
        if (!PumpWaitingMessages()) break;
    }
    return 0;
}
