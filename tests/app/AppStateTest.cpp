// Loading the application state from the current directory and its
// settings file.
#include "app/AppState.h"

#include "tests/download/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kDefaultName[] = "\\VDOWNLOAD\\";

// Runs each test in a fresh current directory and restores the old one.
class AppStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, m_previousDirectory);
        EnterDirectory(m_folder.Path());
    }
    void TearDown() override { SetCurrentDirectoryA(m_previousDirectory); }

    void EnterDirectory(const std::string& path) { ASSERT_TRUE(SetCurrentDirectoryA(path.c_str())) << path; }

    void WriteSettings(const std::string& text)
    {
        HANDLE file = CreateFileA("config.ini", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }

    CTempFolder m_folder;
    CAppState m_state;
    char m_previousDirectory[MAX_PATH] = {};
};

struct SettingsCase {
    const char* name;
    std::string settings;  // config.ini; empty: no file
    std::string folder;    // expected download folder; empty: the default
};

const std::string kLongest(kAppPathSize - 1, 'v');

const SettingsCase kSettingsCases[] = {
    {"NoSettingsFile", "", ""},
    {"ValueWithoutBackslashIsUsedAsWritten", "[FOLDER]\r\nDOWNLOAD=D:\\Videos\r\n", "D:\\Videos"},
    {"ValueWithBackslash", "[FOLDER]\r\nDOWNLOAD=D:\\Videos\\\r\n", "D:\\Videos\\"},
    {"EmptyValue", "[FOLDER]\r\nDOWNLOAD=\r\n", ""},
    {"OtherSection", "[OTHER]\r\nDOWNLOAD=D:\\Videos\r\n", ""},
    {"OtherKey", "[FOLDER]\r\nUPLOAD=D:\\Videos\r\n", ""},
    {"LongestValueThatFits", "[FOLDER]\r\nDOWNLOAD=" + kLongest + "\r\n", kLongest},
    // Cut short it would name some other folder.
    {"ValueTooLongIsIgnored", "[FOLDER]\r\nDOWNLOAD=" + kLongest + "w\r\n", ""},
};

TEST_F(AppStateTest, DownloadFolderComesFromTheSettingsFileOrTheDefault)
{
    for (const SettingsCase& test : kSettingsCases) {
        DeleteFileA("config.ini");
        if (!test.settings.empty())
            WriteSettings(test.settings);
        m_state.LoadAppState();
        const std::string expected = test.folder.empty() ? m_folder.Path() + kDefaultName : test.folder;
        EXPECT_EQ(std::string(m_state.m_downloadFolder), expected) << test.name;
        EXPECT_EQ(std::string(m_state.m_startDir), m_folder.Path()) << test.name;
    }
}

TEST_F(AppStateTest, PlayPathIsClearedAndBuffersAreKept)
{
    m_state.LoadAppState();
    char* const folder = m_state.m_downloadFolder;
    char* const startDir = m_state.m_startDir;
    std::fill(std::begin(m_state.m_playPath), std::end(m_state.m_playPath), 'x');

    m_state.LoadAppState();
    EXPECT_EQ(m_state.m_downloadFolder, folder);
    EXPECT_EQ(m_state.m_startDir, startDir);
    for (char c : m_state.m_playPath)
        ASSERT_EQ(c, 0);
}

TEST_F(AppStateTest, StateBeforeLoadingIsEmpty)
{
    CAppState fresh;
    EXPECT_EQ(fresh.m_downloadFolder, nullptr);
    EXPECT_EQ(fresh.m_startDir, nullptr);
    EXPECT_EQ(fresh.m_playPath[0], 0);
}

TEST_F(AppStateTest, OtherCurrentDirectoryReadsItsOwnSettings)
{
    WriteSettings("[FOLDER]\r\nDOWNLOAD=D:\\First\r\n");
    CTempFolder other;
    EnterDirectory(other.Path());
    m_state.LoadAppState();
    EXPECT_EQ(std::string(m_state.m_startDir), other.Path());
    EXPECT_EQ(std::string(m_state.m_downloadFolder), other.Path() + kDefaultName);
    EnterDirectory(m_folder.Path());
}

TEST_F(AppStateTest, DriveRootGivesADoubledBackslash)
{
    if (GetFileAttributesA("C:\\config.ini") != INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "C:\\config.ini exists";
    EnterDirectory("C:\\");
    m_state.LoadAppState();
    EXPECT_EQ(std::string(m_state.m_startDir), "C:\\");
    EXPECT_EQ(std::string(m_state.m_downloadFolder), "C:\\\\VDOWNLOAD\\");
    EnterDirectory(m_folder.Path());
}

// Makes the folders of a path exactly `length` characters long under base.
std::string MakeDeepFolder(const std::string& base, size_t length)
{
    std::string path = base;
    while (path.size() < length) {
        const size_t segment = std::min<size_t>(100, length - path.size() - 1);
        path += "\\" + std::string(segment, 'd');
        CreateDirectoryA(path.c_str(), nullptr);
    }
    return path;
}

TEST_F(AppStateTest, DefaultThatDoesNotFitLeavesNoFolder)
{
    const size_t fits = kAppPathSize - sizeof kDefaultName;  // 248: start + default name = 259
    struct {
        size_t startLength;
        bool defaultFits;
    } const kCases[] = {{fits, true}, {fits + 1, false}, {fits + 5, false}};
    for (const auto& test : kCases) {
        CTempFolder base;
        const std::string start = MakeDeepFolder(base.Path(), test.startLength);
        ASSERT_EQ(start.size(), test.startLength);
        EnterDirectory(start);
        m_state.LoadAppState();
        EXPECT_EQ(std::string(m_state.m_startDir), start);
        EXPECT_EQ(std::string(m_state.m_downloadFolder), test.defaultFits ? start + kDefaultName : "")
            << test.startLength;
        EnterDirectory(m_folder.Path());
    }
}

TEST(AppStateCurrentTest, LatestObjectIsTheCurrentOne)
{
    EXPECT_EQ(CAppState::Current(), nullptr);
    {
        CAppState state;
        EXPECT_EQ(CAppState::Current(), &state);
    }
    EXPECT_EQ(CAppState::Current(), nullptr);
}

}  // namespace
