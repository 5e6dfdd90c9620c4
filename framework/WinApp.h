// The application object: one static instance of a class derived from
// CWinApp. AppWinMain (called from the program's WinMain) runs its
// InitInstance and then, when that returns TRUE, its message loop.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // appName null: the program's title (the executable's name).
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    // The window that receives the application's notifications; set by the
    // program (and by tests).
    CWnd* m_pMainWnd = nullptr;

    const char* GetAppName() const;

    virtual BOOL InitInstance();
    // The application's message loop, until WM_QUIT; returns ExitInstance().
    virtual int Run();
    virtual int ExitInstance();

    // The name of the registry key the framework would keep settings under.
    // Stored only: the framework writes nothing to the registry.
    void SetRegistryKey(const char* key) { m_strRegistryKey = key ? key : ""; }
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }

    // Windows Sockets 1.1; cleaned up by ExitInstance.
    bool InitSockets();
    // Prepares the hosting of ActiveX controls (OLE); undone by ExitInstance.
    bool EnableControlContainer();

    // The framework's default Help command handler (ID_HELP 57670): the
    // program has no help file, so it does nothing.
    void OnHelp();

protected:
    DECLARE_MESSAGE_MAP()

private:
    const char* m_pszAppName;
    std::string m_strRegistryKey;
    bool m_bSocketsStarted = false;
    bool m_bOleStarted = false;
};

// Id of the framework's Help command.
constexpr UINT ID_HELP = 0xE146;

// The application object, or null when none was constructed.
CWinApp* CurrentApp();
// The window handle of the application's main window, or null.
HWND MainWindowHandle();
// Runs the application object; for the program's WinMain.
int AppWinMain(HINSTANCE hInstance, int nCmdShow);
