// What download workers tell the downloader page: the task messages and the
// failure codes. Every task message is posted, never sent, to
// g_hDownloaderPage with the task id (the worker's thread id) in wParam.
#pragma once

#include <windows.h>

// Messages of one task arrive in this order: ANALYSING, then TIMEOUT or TITLE;
// after TITLE, TIMEOUT or CONNECTED (the download address is open); after
// that TIMEOUT or a second CONNECTED (the file is created); then SPEED +
// PROGRESS pairs, one last PROGRESS with the whole size and COMPLETED, or
// TIMEOUT. TIMEOUT and COMPLETED are always a worker's last message; a
// cancelled worker posts nothing once it has seen its cancel request.
enum : UINT {
    UM_TASK_ANALYSING = WM_USER + 1,  // lParam 0
    UM_TASK_TIMEOUT = WM_USER + 2,    // lParam: a TASK_FAIL_ code
    UM_TASK_TITLE = WM_USER + 3,      // lParam: the file name, see TaskTitle.h
    UM_TASK_CONNECTED = WM_USER + 4,  // lParam 0
    UM_TASK_COMPLETED = WM_USER + 5,  // lParam 0
    UM_TASK_SPEED = WM_USER + 6,      // lParam: bytes per millisecond
    // WM_USER + 7 is not a task message.
    UM_TASK_PROGRESS = WM_USER + 8,   // lParam: whole kilobytes done
};

// Why a task failed, in lParam of UM_TASK_TIMEOUT.
enum TaskFailure : LPARAM {
    TASK_FAIL_ANALYSIS = 0,     // no title in the page, or no host in its address
    TASK_FAIL_VIDEO_OPEN = 1,   // the download address can't be opened or answers no 2xx status
    TASK_FAIL_FILE_CREATE = 2,  // the output file can't be created
    TASK_FAIL_PAGE_OPEN = 3,    // the video page can't be opened or answers no 2xx status
    TASK_FAIL_NETWORK = 4,      // no HTTP session, or reading the page failed
    TASK_FAIL_READ = 5,         // the third failed read of the video
    TASK_FAIL_WRITE = 6,        // writing the output file failed (a full disk)
};
