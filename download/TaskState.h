// State that the download workers share with the user-interface thread,
// without locks: the page's window handle, the running count (TaskResume.h)
// and the cancel requests (TaskCancel.h).
#pragma once

#include <windows.h>

#include <atomic>

// The downloader page, target of every task message. Written once by the page
// before the first worker exists; workers only read it.
extern HWND g_hDownloaderPage;

// Workers that are running: counted by ResumeTask when it really starts a
// suspended worker, and uncounted by the worker itself once at its end, just
// before its last message. The admission and the scheduler read it.
extern std::atomic<int> g_runningTasks;
