// What the downloader page tells the application's main window. Each is
// posted, never sent; the main window acts on it in its message map.
#pragma once

#include <windows.h>

enum : UINT {
    UM_PLAY_REQUEST = WM_USER + 10,      // 0, 0: the play path names the file to play
    UM_FINISHED_DELTA = WM_USER + 11,    // number of downloads finished, 0
    UM_TASK_COUNT_DELTA = WM_USER + 12,  // +1 or -1 (0xFFFFFFFF) tasks, 0
    UM_SPEED_REPORT = WM_USER + 13,      // task id, bytes per millisecond (0: no longer transferring)
};

// Posts to the application's main window; nothing when there is none.
void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam);
