#include "download/TaskResume.h"

#include "download/KernelHandle.h"
#include "download/TaskState.h"

bool ResumeTask(DWORD taskId)
{
    CKernelHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, taskId));
    if (!thread)
        return false;
    // Counted first: once resumed, the worker may end (and uncount itself)
    // before ResumeThread has even returned.
    ++g_runningTasks;
    const DWORD previousCount = ResumeThread(thread.Get());
    if (previousCount == 1)
        return true;
    // It was running already (0), is still suspended (more than 1), or the
    // call failed.
    --g_runningTasks;
    return false;
}
