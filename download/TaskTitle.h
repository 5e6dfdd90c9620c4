// Hand-over of the file name that UM_TASK_TITLE carries. The worker may end
// right after posting it, so the text travels in a heap copy of its own that
// the receiver releases.
#pragma once

#include <windows.h>

#include <cstddef>

// Posts UM_TASK_TITLE (taskId, copy of fileName) to the window. When the post
// fails the copy is released here. True when posted.
bool PostTaskTitle(HWND window, DWORD taskId, const char* fileName);

// For the receiver of UM_TASK_TITLE: copies the text of lParam into buffer
// (cut to size - 1 characters, always terminated) and releases the copy. Call
// it exactly once for every UM_TASK_TITLE, also for a task without a row.
void TakeTaskTitle(LPARAM lParam, char* buffer, size_t size);
