// The download worker: one thread per task. It fetches the beginning of the
// video page, has it analysed, saves the video into the download folder and
// reports by posting the task messages of TaskProtocol.h to
// g_hDownloaderPage. It never touches a window and never waits for the page.
#pragma once

#include <windows.h>

// Thread entry. param: the video page address from DuplicateTaskAddress,
// owned by the worker from then on. Create the thread suspended and start it
// with ResumeTask, which counts it as running; the worker uncounts itself
// once at its end. Returns 0.
DWORD WINAPI DownloadTaskProc(LPVOID param);

// The worker's own copy of a page address. Release it with FreeTaskAddress
// only when no worker took it (its thread could not be created).
char* DuplicateTaskAddress(const char* address);
void FreeTaskAddress(char* address);
