#include "ui/downloader/MainWindowNotifications.h"

#include "framework/WinApp.h"

void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam) {
    // A null window would make it a thread message that no window receives.
    if (HWND hMain = MainWindowHandle()) ::PostMessageA(hMain, message, wParam, lParam);
}
