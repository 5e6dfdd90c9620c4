#include "ui/downloader/DownloaderDlg.h"

#include <wininet.h>

#include <iterator>

#include "app/AppState.h"
#include "download/TaskPath.h"
#include "download/TaskProtocol.h"
#include "download/TaskState.h"
#include "framework/DataExchange.h"
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/ImageList.h"
#include "framework/Pen.h"
#include "framework/ResourceModule.h"
#include "framework/SelectGuard.h"

namespace {

struct ColumnSpec {
    const char* heading;
    int width;
};

const ColumnSpec kColumns[] = {
    {"-", 20}, {"Video Name", 240}, {"Completed", 80}, {"Speed", 50}, {"URL", 125},
};

// The state icons, in image-list order.
const UINT kStateIcons[] = {
    IDI_STATE_ANALYSING, IDI_STATE_FAILED, IDI_STATE_COMPLETED, IDI_STATE_WAITING, IDI_STATE_TRANSFERRING,
};

// Grid lines, header drag and drop, full-row selection.
const DWORD kTaskListExStyles = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;

const DWORD kMaxConnections = 100;

// The colours of the controls that the page paints itself.
struct ControlColour {
    bool labelsWithoutId;  // the two labels without an id
    int id;
    bool setText;
    COLORREF text;
    bool whiteBack;        // white background and the white stock brush
};

const ControlColour kControlColours[] = {
    {false, IDC_URL, true, RGB(0, 0, 200), false},
    {false, IDC_DELETE_FILE, false, 0, true},
    {true, 0, false, 0, true},
    {false, IDC_HINT, true, RGB(240, 0, 0), true},
};

const COLORREF kHeaderTextColour = RGB(12, 62, 113);
const COLORREF kHeaderLineColour = RGB(24, 141, 220);

}  // namespace

BEGIN_MESSAGE_MAP(DownloaderDlg, CDialog)
    MapCtlColor<&ThisClass::OnCtlColor>(),
    MapMsg<WM_ERASEBKGND, &ThisClass::OnEraseBkgnd>(),
    MapMsg<WM_TIMER, &ThisClass::OnTimer>(),
    MapCommand<IDC_BROWSE, &ThisClass::OnBrowse>(),
    MapMsg<UM_TASK_ANALYSING, &ThisClass::OnTaskAnalysing>(),
    MapMsg<UM_TASK_TIMEOUT, &ThisClass::OnTaskTimeout>(),
    MapMsg<UM_TASK_TITLE, &ThisClass::OnTaskTitle>(),
    MapMsg<UM_TASK_CONNECTED, &ThisClass::OnTaskConnected>(),
    MapMsg<UM_TASK_COMPLETED, &ThisClass::OnTaskCompleted>(),
    MapMsg<UM_TASK_SPEED, &ThisClass::OnTaskSpeed>(),
    MapMsg<UM_TASK_PROGRESS, &ThisClass::OnTaskProgress>(),
END_MESSAGE_MAP()

DownloaderDlg::DownloaderDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void DownloaderDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    pDX->Control(IDC_TASK_LIST, m_listTasks);
    pDX->Control(IDC_DOWNLOAD, m_btnDownload);
    pDX->Text(IDC_URL, m_strUrl);
    pDX->Text(IDC_SAVE_TO, m_strSaveTo);
    pDX->Check(IDC_DELETE_FILE, m_bDeleteFile);
}

BOOL DownloaderDlg::PreTranslateMessage(MSG* pMsg) {
    // Neither key may press a button or end the page.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL DownloaderDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    g_hDownloaderPage = m_hWnd;
    m_strAddedUrls = "FIND|";

    // Process-wide: let every task have its own connections to the site.
    DWORD connections = kMaxConnections;
    ::InternetSetOptionA(nullptr, INTERNET_OPTION_MAX_CONNS_PER_SERVER, &connections, sizeof(connections));
    ::InternetSetOptionA(nullptr, INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER, &connections, sizeof(connections));

    InitTaskList();

    m_strLastDeletedUrl.clear();
    CAppState* pState = CAppState::Current();
    const char* folder = pState && pState->m_downloadFolder ? pState->m_downloadFolder : "";
    m_strSaveTo = CollapseDoubledBackslashes(folder);
    UpdateData(FALSE);
    return TRUE;
}

void DownloaderDlg::InitTaskList() {
    CImageList images;
    images.Create(16, 16, ILC_COLOR8 | ILC_MASK, static_cast<int>(std::size(kStateIcons)), 0);
    for (UINT id : kStateIcons) {
        HICON hIcon = static_cast<HICON>(::LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        images.Add(hIcon);
        if (hIcon) ::DestroyIcon(hIcon);  // the list keeps its own copy
    }
    m_listTasks.SetImageList(&images, LVSIL_SMALL);
    // The list view destroys its image lists itself (they are not shared).
    images.Detach();

    m_listTasks.SetExtendedStyle(m_listTasks.GetExtendedStyle() | kTaskListExStyles);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        m_listTasks.InsertColumn(i, kColumns[i].heading, LVCFMT_LEFT, kColumns[i].width);
}

HBRUSH DownloaderDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH hBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if ((nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_STATIC) || !pWnd) return hBrush;
    int id = pWnd->GetDlgCtrlID();
    bool withoutId = id == IDC_STATIC || id == 0xFFFF;
    for (const ControlColour& c : kControlColours) {
        if (c.labelsWithoutId ? !withoutId : c.id != id) continue;
        if (c.setText) pDC->SetTextColor(c.text);
        if (c.whiteBack) {
            pDC->SetBkColor(RGB(255, 255, 255));
            hBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        }
        break;
    }
    return hBrush;
}

BOOL DownloaderDlg::OnEraseBkgnd(CDC* pDC) {
    // Only the page's heading; around the controls the main window's
    // background picture stays visible.
    CFont font;
    font.CreateFont(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    pDC->SetTextColor(kHeaderTextColour);
    {
        CSelectGuard selectFont(*pDC, font);
        pDC->TextOut(10, 18, "YouTube Video Download");
    }
    CPen pen(PS_SOLID, 1, kHeaderLineColour);
    {
        CSelectGuard selectPen(*pDC, pen);
        pDC->MoveTo(160, 30);
        pDC->LineTo(500, 30);
    }
    return TRUE;
}

void DownloaderDlg::ShowHint(const char* text) {
    HWND hHint = GetDlgItem(IDC_HINT);
    ::SetWindowTextA(hHint, text);
    ::ShowWindow(hHint, SW_SHOW);
    SetTimer(kHintTimer, kHintMs);  // a running timer starts again
}

bool DownloaderDlg::RequireSelection() {
    if (m_listTasks.GetNextItem(-1, LVNI_SELECTED) >= 0) return true;
    ShowHint("Please Select A Task !");
    return false;
}

void DownloaderDlg::OnTimer(UINT_PTR nIDEvent) {
    // The page has one timer, the hint's.
    ::ShowWindow(GetDlgItem(IDC_HINT), SW_HIDE);
    KillTimer(kHintTimer);
    CDialog::OnTimer(nIDEvent);
}
