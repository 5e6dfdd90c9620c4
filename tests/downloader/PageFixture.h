// A downloader page created as a child of a test window that is the
// application's main window and records the notifications it receives.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "framework/Wnd.h"
#include "tests/downloader/TempDirectory.h"
#include "ui/downloader/DownloaderDlg.h"

struct Notification {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Notification& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
void PrintTo(const Notification& n, std::ostream* os);

class RecordingMainWnd : public CWnd {
public:
    std::vector<Notification> received;

protected:
    LRESULT OnNotification(WPARAM w, LPARAM l);
    DECLARE_MESSAGE_MAP()
};

class PageFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Creates the page (after the state is loaded, as the main window does).
    void CreatePage();
    // A row as the admission appends it: waiting, the address in columns 1 and 4.
    int AddTaskRow(DWORD taskId, const std::string& url);
    std::string Cell(int row, int column) const { return page->m_listTasks.GetItemText(row, column); }
    // Notifications that the main window has received so far (after pumping).
    std::vector<Notification> TakeNotifications();

    std::unique_ptr<TempDirectory> dir;
    std::unique_ptr<CAppState> state;
    RecordingMainWnd mainWnd;
    std::unique_ptr<DownloaderDlg> page;
};
