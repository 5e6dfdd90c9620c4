#include "tests/download/TaskMessageLog.h"

#include "download/TaskProtocol.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"

namespace {

const char kWindowClass[] = "QuillonTaskMessageLog";

bool IsTaskMessage(UINT message)
{
    switch (message) {
    case UM_TASK_ANALYSING:
    case UM_TASK_TIMEOUT:
    case UM_TASK_TITLE:
    case UM_TASK_CONNECTED:
    case UM_TASK_COMPLETED:
    case UM_TASK_SPEED:
    case UM_TASK_PROGRESS:
        return true;
    default:
        return false;
    }
}

const char* MessageName(UINT message)
{
    switch (message) {
    case UM_TASK_ANALYSING: return "ANALYSING";
    case UM_TASK_TIMEOUT: return "TIMEOUT";
    case UM_TASK_TITLE: return "TITLE";
    case UM_TASK_CONNECTED: return "CONNECTED";
    case UM_TASK_COMPLETED: return "COMPLETED";
    case UM_TASK_SPEED: return "SPEED";
    case UM_TASK_PROGRESS: return "PROGRESS";
    default: return "?";
    }
}

}  // namespace

CTaskMessageLog::CTaskMessageLog()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &CTaskMessageLog::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    m_window = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    g_hDownloaderPage = m_window;
}

CTaskMessageLog::~CTaskMessageLog()
{
    Drain();
    g_hDownloaderPage = nullptr;
    DestroyWindow(m_window);
}

LRESULT CALLBACK CTaskMessageLog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* log = reinterpret_cast<CTaskMessageLog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!log || !IsTaskMessage(message))
        return DefWindowProcA(window, message, wParam, lParam);
    TaskMessage entry = {message, static_cast<DWORD>(wParam), lParam, "", g_runningTasks.load()};
    if (message == UM_TASK_TITLE) {
        char text[200];
        TakeTaskTitle(lParam, text, sizeof text);
        entry.title = text;
        entry.lParam = 0;
    }
    log->m_messages.push_back(entry);
    return 0;
}

std::vector<TaskMessage> CTaskMessageLog::ForTask(DWORD taskId) const
{
    std::vector<TaskMessage> result;
    for (const TaskMessage& entry : m_messages) {
        if (entry.taskId == taskId)
            result.push_back(entry);
    }
    return result;
}

size_t CTaskMessageLog::Count(UINT message, DWORD taskId) const
{
    size_t count = 0;
    for (const TaskMessage& entry : m_messages)
        count += (entry.message == message && entry.taskId == taskId) ? 1 : 0;
    return count;
}

void CTaskMessageLog::Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

bool CTaskMessageLog::WaitFor(UINT message, DWORD taskId, size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Drain();
        if (Count(message, taskId) >= count)
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLPOSTMESSAGE);
    }
}

bool CTaskMessageLog::WaitForEnd(HANDLE thread, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Drain();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, timeoutMs - elapsed, QS_ALLPOSTMESSAGE);
        if (woken == WAIT_OBJECT_0) {
            Drain();
            return true;
        }
    }
}

std::string Describe(const std::vector<TaskMessage>& messages, bool withFigures)
{
    std::string text;
    for (const TaskMessage& entry : messages) {
        text += text.empty() ? "" : " ";
        text += MessageName(entry.message);
        if (entry.message == UM_TASK_TITLE)
            text += "(" + entry.title + ")";
        else if (entry.message == UM_TASK_TIMEOUT ||
                 (withFigures && (entry.message == UM_TASK_SPEED || entry.message == UM_TASK_PROGRESS)))
            text += "(" + std::to_string(entry.lParam) + ")";
    }
    return text;
}
