// Receives the workers' task messages on a message-only window that stands
// in for the downloader page (it becomes g_hDownloaderPage) and keeps them
// in arrival order. Waiting pumps the test thread's queue.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TaskMessage {
    UINT message;
    DWORD taskId;
    LPARAM lParam;
    std::string title;  // the text of UM_TASK_TITLE
    int runningTasks;   // g_runningTasks when the message was handled
};

class CTaskMessageLog {
public:
    CTaskMessageLog();
    ~CTaskMessageLog();
    CTaskMessageLog(const CTaskMessageLog&) = delete;
    CTaskMessageLog& operator=(const CTaskMessageLog&) = delete;

    HWND Window() const { return m_window; }

    // The messages of one task, in order.
    std::vector<TaskMessage> ForTask(DWORD taskId) const;

    // Pumps until `count` messages of that number have come for the task;
    // false on time-out.
    bool WaitFor(UINT message, DWORD taskId, size_t count = 1, DWORD timeoutMs = 30000);
    // Pumps until the thread has ended, then takes whatever is still queued.
    bool WaitForEnd(HANDLE thread, DWORD timeoutMs = 60000);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    size_t Count(UINT message, DWORD taskId) const;
    void Drain();

    HWND m_window = nullptr;
    std::vector<TaskMessage> m_messages;
};

// The sequence as text: "ANALYSING TITLE(Clip.flv) CONNECTED TIMEOUT(2)".
// PROGRESS and SPEED show their figures only with withFigures.
std::string Describe(const std::vector<TaskMessage>& messages, bool withFigures = true);
