#include <winsock2.h>

#include "framework/WinApp.h"

#include <ole2.h>

#include "framework/MessageLoop.h"
#include "framework/ProgramTitle.h"
#include "framework/Wnd.h"

namespace {
CWinApp* g_pApp = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    MapCommand<ID_HELP, &ThisClass::OnHelp>(),
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    if (!g_pApp) g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

const char* CWinApp::GetAppName() const { return m_pszAppName ? m_pszAppName : ProgramTitle(); }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    MSG msg;
    for (;;) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        ProcessMessage(msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    if (m_bOleStarted) {
        ::OleUninitialize();
        m_bOleStarted = false;
    }
    if (m_bSocketsStarted) {
        ::WSACleanup();
        m_bSocketsStarted = false;
    }
    return 0;
}

bool CWinApp::InitSockets() {
    if (m_bSocketsStarted) return true;
    WSADATA data;
    m_bSocketsStarted = ::WSAStartup(MAKEWORD(1, 1), &data) == 0;
    return m_bSocketsStarted;
}

bool CWinApp::EnableControlContainer() {
    if (m_bOleStarted) return true;
    m_bOleStarted = SUCCEEDED(::OleInitialize(nullptr));
    return m_bOleStarted;
}

void CWinApp::OnHelp() {}

CWinApp* CurrentApp() { return g_pApp; }

HWND MainWindowHandle() {
    CWinApp* pApp = CurrentApp();
    return pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
}

int AppWinMain(HINSTANCE hInstance, int nCmdShow) {
    CWinApp* pApp = CurrentApp();
    if (!pApp) return 1;
    pApp->m_hInstance = hInstance;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance()) return pApp->ExitInstance();
    return pApp->Run();
}
