#include "framework/MessageBox.h"

#include "framework/ProgramTitle.h"
#include "framework/ResourceModule.h"
#include "framework/WinApp.h"

int ShowMessageBox(HWND hOwner, const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(hOwner, text ? text : "", caption ? caption : ProgramTitle(), type);
}

int AppMessageBox(const char* text, UINT type) { return ShowMessageBox(MainWindowHandle(), text, nullptr, type); }

int AppMessageBox(UINT stringId, UINT type) {
    char text[512];
    return AppMessageBox(LoadResourceString(stringId, text, sizeof(text)), type);
}
