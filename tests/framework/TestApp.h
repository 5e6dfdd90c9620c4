// The application object of the framework tests: commands that no window
// handles reach it when its main window is set.
#pragma once

#include "framework/WinApp.h"

#include <vector>

constexpr UINT ID_TEST_APP_COMMAND = 40001;

class TestApp : public CWinApp {
public:
    int m_nAppCommands = 0;

protected:
    void OnAppCommand() { ++m_nAppCommands; }
    DECLARE_MESSAGE_MAP()
};

TestApp& TheTestApp();
