// The downloader page's reaction to the task messages of the workers.
#include <cstdint>
#include <string>

#include "download/TaskProtocol.h"
#include "download/TaskResume.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"
#include "ui/downloader/DownloaderDlg.h"
#include "ui/downloader/MainWindowNotifications.h"

namespace {

// Room for the file name of UM_TASK_TITLE.
const size_t kTitleBufferSize = 200;

std::string KilobytesText(long kilobytes) { return std::to_string(kilobytes) + "KB"; }

// Bytes per millisecond as kilobytes per second: x * 125 / 128 (= x * 1000 /
// 1024) in signed 32-bit arithmetic, truncated toward zero.
long SpeedKilobytes(LPARAM bytesPerMs) {
    int32_t product = static_cast<int32_t>(static_cast<uint32_t>(bytesPerMs) * 125u);
    return product / 128;
}

}  // namespace

int DownloaderDlg::FindTaskRow(DWORD taskId) const { return m_listTasks.FindItemByData(taskId); }

void DownloaderDlg::UpdateTaskRow(DWORD taskId, int column, const char* text, int image) {
    int row = FindTaskRow(taskId);
    if (row < 0) return;  // the task was removed
    m_listTasks.SetItemText(row, column, text);
    if (image >= 0) m_listTasks.SetItemImage(row, image);
}

LRESULT DownloaderDlg::OnTaskAnalysing(WPARAM taskId, LPARAM) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_STATUS, "Page Analysis...", IMG_ANALYSING);
    return 0;
}

LRESULT DownloaderDlg::OnTaskTimeout(WPARAM taskId, LPARAM) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_STATUS, "Connection Time-out", IMG_FAILED);
    PostToMainWindow(UM_SPEED_REPORT, taskId, 0);
    ResumeNextWaitingTask();
    return 0;
}

LRESULT DownloaderDlg::OnTaskTitle(WPARAM taskId, LPARAM fileName) {
    // Taken (and released) even when the task has no row any more.
    char name[kTitleBufferSize];
    TakeTaskTitle(fileName, name, sizeof(name));
    int row = FindTaskRow(static_cast<DWORD>(taskId));
    if (row >= 0) {
        m_listTasks.SetItemText(row, COL_NAME, name);
        m_listTasks.SetItemText(row, COL_STATUS, "Ready to Download");
        m_listTasks.SetItemImage(row, IMG_ANALYSING);
    }
    return 0;
}

LRESULT DownloaderDlg::OnTaskConnected(WPARAM taskId, LPARAM) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_STATUS, "0KB", IMG_TRANSFERRING);
    return 0;
}

LRESULT DownloaderDlg::OnTaskCompleted(WPARAM taskId, LPARAM) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_SPEED, "Completed", IMG_COMPLETED);
    PostToMainWindow(UM_FINISHED_DELTA, 1, 0);
    PostToMainWindow(UM_SPEED_REPORT, taskId, 0);
    ResumeNextWaitingTask();
    return 0;
}

LRESULT DownloaderDlg::OnTaskSpeed(WPARAM taskId, LPARAM bytesPerMs) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_SPEED, KilobytesText(SpeedKilobytes(bytesPerMs)).c_str(), -1);
    PostToMainWindow(UM_SPEED_REPORT, taskId, bytesPerMs);
    return 0;
}

LRESULT DownloaderDlg::OnTaskProgress(WPARAM taskId, LPARAM kilobytes) {
    UpdateTaskRow(static_cast<DWORD>(taskId), COL_STATUS, KilobytesText(static_cast<long>(kilobytes)).c_str(), -1);
    return 0;
}

void DownloaderDlg::ResumeNextWaitingTask() {
    if (g_runningTasks.load() >= kMaxRunningTasks) return;
    int count = m_listTasks.GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (m_listTasks.GetItemText(row, COL_STATUS) == "Waiting...") {
            ResumeTask(static_cast<DWORD>(m_listTasks.GetItemData(row)));
            return;  // at most one per call
        }
    }
}
