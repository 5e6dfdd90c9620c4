// Starting a waiting worker. Workers are created suspended; every resumption
// (admission, scheduler, removal) goes through ResumeTask, which counts the
// worker as running before it can run, so that several resumptions in quick
// succession all see each other.
#pragma once

#include <windows.h>

// Resumes the thread with this id. When it was suspended and now runs, adds 1
// to g_runningTasks and returns true. A thread that already ran, can't be
// opened (it has ended) or can't be resumed is not counted: false.
bool ResumeTask(DWORD taskId);
