#include "app/AppState.h"

#include <windows.h>

#include <cstring>

namespace {

CAppState* g_pCurrentAppState = nullptr;

const char kSettingsFile[] = ".\\config.ini";
const char kFolderSection[] = "FOLDER";
const char kFolderKey[] = "DOWNLOAD";
const char kDefaultFolderName[] = "\\VDOWNLOAD\\";

// Room to tell a value that fits the path buffer from one that the system
// would silently cut short.
const DWORD kSettingReadSize = 4 * kAppPathSize;

char* NewPathBuffer(char* existing)
{
    char* buffer = existing ? existing : new char[kAppPathSize];
    std::memset(buffer, 0, kAppPathSize);
    return buffer;
}

// The current directory; left empty when it does not fit.
void ReadStartDirectory(char* startDir)
{
    const DWORD length = GetCurrentDirectoryA(kAppPathSize, startDir);
    if (length == 0 || length >= kAppPathSize)
        std::memset(startDir, 0, kAppPathSize);
}

// The configured folder; left empty when absent, empty or too long.
void ReadConfiguredFolder(char* folder)
{
    char value[kSettingReadSize] = {};
    const DWORD length = GetPrivateProfileStringA(kFolderSection, kFolderKey, "", value, kSettingReadSize, kSettingsFile);
    if (length < kAppPathSize)
        std::memcpy(folder, value, length + 1);
}

// start directory + "\VDOWNLOAD\", when there is a start directory and the
// whole fits.
void MakeDefaultFolder(const char* startDir, char* folder)
{
    const size_t length = std::strlen(startDir);
    if (length == 0 || length + sizeof kDefaultFolderName > kAppPathSize)
        return;
    std::memcpy(folder, startDir, length);
    std::memcpy(folder + length, kDefaultFolderName, sizeof kDefaultFolderName);
}

}  // namespace

CAppState::CAppState()
{
    g_pCurrentAppState = this;
}

CAppState::~CAppState()
{
    if (g_pCurrentAppState == this)
        g_pCurrentAppState = nullptr;
    delete[] m_downloadFolder;
    delete[] m_startDir;
}

CAppState* CAppState::Current()
{
    return g_pCurrentAppState;
}

void CAppState::LoadAppState()
{
    m_startDir = NewPathBuffer(m_startDir);
    ReadStartDirectory(m_startDir);

    m_downloadFolder = NewPathBuffer(m_downloadFolder);
    ReadConfiguredFolder(m_downloadFolder);
    if (m_downloadFolder[0] == 0)
        MakeDefaultFolder(m_startDir, m_downloadFolder);

    std::memset(m_playPath, 0, sizeof m_playPath);
}
