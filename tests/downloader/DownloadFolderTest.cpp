// The download folder setting: what the Save To box shows, the folder
// browser with the settings file, and the folder check at admission.
#include <shlobj.h>

#include "download/TaskState.h"
#include "framework/FolderBrowser.h"
#include "tests/downloader/PageFixture.h"
#include "tests/framework/DialogWatcher.h"
#include "tests/framework/TestPump.h"

namespace {

std::string SettingValue() {
    char value[512] = {};
    ::GetPrivateProfileStringA("FOLDER", "DOWNLOAD", "<none>", value, sizeof(value), ".\\config.ini");
    return value;
}

// Stands in for the shell's browser: records what it was asked and answers
// with a folder (or a cancel).
struct FakeBrowser {
    static FakeBrowser* current;
    BROWSEINFOA seen = {};
    std::string title;
    int calls = 0;
    std::string answer;  // empty: cancel

    static PIDLIST_ABSOLUTE WINAPI Browse(LPBROWSEINFOA pbi) {
        FakeBrowser* self = current;
        self->seen = *pbi;
        self->title = pbi->lpszTitle ? pbi->lpszTitle : "";
        ++self->calls;
        if (self->answer.empty()) return nullptr;
        if (pbi->pszDisplayName) ::lstrcpyA(pbi->pszDisplayName, "chosen");
        return ::ILCreateFromPathA(self->answer.c_str());
    }
};
FakeBrowser* FakeBrowser::current = nullptr;

class DownloadFolderTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        FakeBrowser::current = &fake;
        CFolderBrowser::s_pfnBrowse = &FakeBrowser::Browse;
    }
    void TearDown() override {
        CFolderBrowser::s_pfnBrowse = &::SHBrowseForFolderA;
        FakeBrowser::current = nullptr;
        PageFixture::TearDown();
    }
    FakeBrowser fake;
};

TEST_F(DownloadFolderTest, FirstStartShowsTheDefaultFolderWithoutCreatingIt) {
    CreatePage();
    const std::string expected = dir->Path() + "\\VDOWNLOAD\\";
    EXPECT_EQ(page->GetDlgItemText(IDC_SAVE_TO), expected);
    EXPECT_EQ(page->m_strSaveTo, expected);
    EXPECT_FALSE(DirectoryExists(expected));
    EXPECT_EQ(SettingValue(), "<none>");
}

TEST_F(DownloadFolderTest, SaveToBoxShowsTheFolderWithDoubledBackslashesCollapsed) {
    ::lstrcpyA(state->m_downloadFolder, "C:\\\\videos\\\\new\\");
    CreatePage();
    EXPECT_EQ(page->GetDlgItemText(IDC_SAVE_TO), "C:\\videos\\new\\");
    EXPECT_STREQ(state->m_downloadFolder, "C:\\\\videos\\\\new\\");  // the folder itself is unchanged
}

TEST_F(DownloadFolderTest, BrowseTakesTheChosenFolderAndWritesTheSettingsFile) {
    CreatePage();
    const std::string chosen = dir->Join("chosen");
    ASSERT_TRUE(::CreateDirectoryA(chosen.c_str(), nullptr));
    fake.answer = chosen;
    // Typed text in the other boxes survives the exchange.
    ::SetWindowTextA(page->GetDlgItem(IDC_URL), "http://www.youtube.com/watch?v=typed");

    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED),
                      reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_BROWSE)));

    ASSERT_EQ(fake.calls, 1);
    EXPECT_EQ(fake.seen.hwndOwner, page->m_hWnd);
    EXPECT_EQ(fake.seen.pidlRoot, nullptr);
    EXPECT_EQ(fake.title, "Select Folder...");
    EXPECT_EQ(fake.seen.ulFlags, static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT));
    EXPECT_EQ(fake.seen.lpfn, nullptr);
    EXPECT_NE(fake.seen.pszDisplayName, nullptr);

    EXPECT_EQ(page->m_strSaveTo, chosen);
    EXPECT_EQ(page->GetDlgItemText(IDC_SAVE_TO), chosen);
    EXPECT_STREQ(state->m_downloadFolder, chosen.c_str());
    EXPECT_EQ(SettingValue(), chosen);  // no trailing backslash
    EXPECT_EQ(page->GetDlgItemText(IDC_URL), "http://www.youtube.com/watch?v=typed");

    // The next start reads it back.
    CAppState next;
    next.LoadAppState();
    EXPECT_STREQ(next.m_downloadFolder, chosen.c_str());
}

TEST_F(DownloadFolderTest, CancelledBrowseChangesNothing) {
    CreatePage();
    const std::string before = state->m_downloadFolder;
    ::SetWindowTextA(page->GetDlgItem(IDC_SAVE_TO), "D:\\typed");
    fake.answer.clear();
    page->BrowseDownloadFolder();
    EXPECT_EQ(fake.calls, 1);
    EXPECT_EQ(page->GetDlgItemText(IDC_SAVE_TO), "D:\\typed");  // keeps its text
    EXPECT_EQ(state->m_downloadFolder, before);
    EXPECT_EQ(SettingValue(), "<none>");
}

TEST_F(DownloadFolderTest, RealBrowserIsShownWithItsTitleAndCanBeCancelled) {
    CFolderBrowser::s_pfnBrowse = &::SHBrowseForFolderA;
    CreatePage();
    const std::string before = page->GetDlgItemText(IDC_SAVE_TO);
    DialogWatcher watcher(IDCANCEL);
    page->BrowseDownloadFolder();
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_TRUE(watcher.Seen()[0].HasText("Select Folder...")) << watcher.Seen()[0].caption;
    EXPECT_EQ(page->GetDlgItemText(IDC_SAVE_TO), before);
    EXPECT_EQ(SettingValue(), "<none>");
}

struct CheckCase {
    const char* name;
    const char* saveTo;          // relative to the test directory; "" = empty
    const char* folder;          // the download folder, relative
    const char* existing;        // a folder made first, or null
    bool passes;
    const char* created;         // a folder that exists afterwards, or null
};

TEST_F(DownloadFolderTest, FolderCheckAtAdmission) {
    const CheckCase cases[] = {
        {"Save To exists", "have", "VDOWNLOAD\\", "have", true, nullptr},
        {"download folder is created", "VDOWNLOAD\\", "VDOWNLOAD\\", nullptr, true, "VDOWNLOAD"},
        {"parent of the folder missing", "no\\such\\", "no\\such\\", nullptr, false, nullptr},
        {"typed path missing, folder exists", "typed", "kept\\", "kept", false, nullptr},
    };
    CreatePage();
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.existing) ::CreateDirectoryA(dir->Join(c.existing).c_str(), nullptr);
        page->m_strSaveTo = dir->Join(c.saveTo);
        ::lstrcpyA(state->m_downloadFolder, dir->Join(c.folder).c_str());
        DialogWatcher watcher(IDOK);
        EXPECT_EQ(page->CheckDownloadFolder(), c.passes);
        if (c.passes) {
            EXPECT_TRUE(watcher.Seen().empty());
        } else {
            ASSERT_EQ(watcher.Seen().size(), 1u);
            const SeenDialog& box = watcher.Seen()[0];
            EXPECT_EQ(box.MessageText(), "Failure To Create The Directory,Please Re-run The Program.");
            EXPECT_EQ(box.caption, "Error");
            EXPECT_EQ(box.icon, "error");
            EXPECT_EQ(box.owner, page->GetTopLevelParent());
        }
        if (c.created) {
            EXPECT_TRUE(DirectoryExists(dir->Join(c.created)));
        }
    }
}

}  // namespace
