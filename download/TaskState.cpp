#include "download/TaskState.h"

HWND g_hDownloaderPage = nullptr;
std::atomic<int> g_runningTasks{0};
