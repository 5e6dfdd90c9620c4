// The downloader page: a child dialog (template 131) with the address box,
// the Save To box and the task list. It shows what the download workers
// report (the task messages), forwards speeds and completions to the main
// window, and keeps the download folder setting.
#pragma once

#include <string>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "res/resource.h"

class DownloaderDlg : public CDialog {
public:
    enum { IDD = IDD_DOWNLOADER_PAGE };

    // Task list columns.
    enum Column { COL_STATE = 0, COL_NAME = 1, COL_STATUS = 2, COL_SPEED = 3, COL_URL = 4 };
    // State images: indexes into the list's small-icon image list.
    enum StateImage {
        IMG_ANALYSING = 0,     // also "Ready to Download"
        IMG_FAILED = 1,
        IMG_COMPLETED = 2,
        IMG_WAITING = 3,
        IMG_TRANSFERRING = 4,  // connected and transferring
    };
    static constexpr UINT_PTR kHintTimer = 1;
    static constexpr UINT kHintMs = 5000;
    static constexpr int kMaxRunningTasks = 3;

    explicit DownloaderDlg(CWnd* pParent = nullptr);

    CListCtrl m_listTasks;
    CButton m_btnDownload;
    std::string m_strUrl;
    std::string m_strSaveTo;
    std::string m_strAddedUrls;
    int m_bDeleteFile = 0;
    std::string m_strLastDeletedUrl;

    // Puts the text into the hint label, shows it and (re)starts the hint timer.
    void ShowHint(const char* text);
    // True when a row is selected; otherwise the hint "Please Select A Task !".
    bool RequireSelection();
    // Starts the topmost waiting task while fewer than three run.
    void ResumeNextWaitingTask();
    // The folder check of the admission: the Save To path exists, or the
    // download folder can be created; otherwise an error message box.
    bool CheckDownloadFolder();
    // The Browse command: the folder browser, then the settings file.
    void BrowseDownloadFolder();

    // The row of a task, searched from the top; -1 when no row carries it.
    int FindTaskRow(DWORD taskId) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnBrowse();

    // The task messages, handled whichever loop dispatches them.
    LRESULT OnTaskAnalysing(WPARAM taskId, LPARAM);
    LRESULT OnTaskTimeout(WPARAM taskId, LPARAM failure);
    LRESULT OnTaskTitle(WPARAM taskId, LPARAM fileName);
    LRESULT OnTaskConnected(WPARAM taskId, LPARAM);
    LRESULT OnTaskCompleted(WPARAM taskId, LPARAM);
    LRESULT OnTaskSpeed(WPARAM taskId, LPARAM bytesPerMs);
    LRESULT OnTaskProgress(WPARAM taskId, LPARAM kilobytes);

    DECLARE_MESSAGE_MAP()

private:
    void InitTaskList();
    // Sets one column's text of the task's row, and its state image unless -1.
    void UpdateTaskRow(DWORD taskId, int column, const char* text, int image);
};
