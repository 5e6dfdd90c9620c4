#include "tests/framework/TestApp.h"

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    MapCommand<ID_TEST_APP_COMMAND, &ThisClass::OnAppCommand>(),
END_MESSAGE_MAP()

namespace {
TestApp g_testApp;
}

TestApp& TheTestApp() { return g_testApp; }
