#include "download/TaskCancel.h"

#include "download/KernelHandle.h"

std::atomic<DWORD> g_cancelTaskIds[kCancelSlotCount];

namespace {

// Whether taskId names a thread of this process that has not ended.
bool IsLiveThread(DWORD taskId)
{
    CKernelHandle thread(OpenThread(SYNCHRONIZE | THREAD_QUERY_LIMITED_INFORMATION, FALSE, taskId));
    return thread && GetProcessIdOfThread(thread.Get()) == GetCurrentProcessId() &&
           WaitForSingleObject(thread.Get(), 0) == WAIT_TIMEOUT;
}

bool TakeFreeSlot(DWORD taskId)
{
    for (std::atomic<DWORD>& slot : g_cancelTaskIds) {
        DWORD expected = 0;
        if (slot.compare_exchange_strong(expected, taskId))
            return true;
    }
    return false;
}

void ForgetEndedRequests()
{
    for (std::atomic<DWORD>& slot : g_cancelTaskIds) {
        DWORD id = slot.load();
        if (id != 0 && !IsLiveThread(id))
            slot.compare_exchange_strong(id, 0);
    }
}

}  // namespace

bool RequestTaskCancel(DWORD taskId)
{
    if (taskId == 0 || !IsLiveThread(taskId))
        return false;
    if (IsTaskCancelRequested(taskId))
        return true;
    if (TakeFreeSlot(taskId))
        return true;
    ForgetEndedRequests();
    return TakeFreeSlot(taskId);
}

bool IsTaskCancelRequested(DWORD taskId)
{
    for (const std::atomic<DWORD>& slot : g_cancelTaskIds) {
        if (slot.load() == taskId)
            return true;
    }
    return false;
}

void ClearTaskCancel(DWORD taskId)
{
    for (std::atomic<DWORD>& slot : g_cancelTaskIds) {
        DWORD expected = taskId;
        slot.compare_exchange_strong(expected, 0);
    }
}
