// The download folder setting of the downloader page: the folder browser
// with the settings file, and the folder check of the admission.
#include <shlwapi.h>

#include <cstring>

#include "app/AppState.h"
#include "framework/FolderBrowser.h"
#include "ui/downloader/DownloaderDlg.h"

namespace {

const char kSettingsFile[] = ".\\config.ini";
const char kFolderSection[] = "FOLDER";
const char kFolderKey[] = "DOWNLOAD";

char* AppDownloadFolder() {
    CAppState* pState = CAppState::Current();
    return pState ? pState->m_downloadFolder : nullptr;
}

}  // namespace

void DownloaderDlg::OnBrowse() { BrowseDownloadFolder(); }

void DownloaderDlg::BrowseDownloadFolder() {
    // What the user typed stays: the boxes are written back afterwards.
    UpdateData(TRUE);
    char displayName[MAX_PATH] = {};
    CFolderBrowser browser(m_hWnd, "Select Folder...", BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT);
    std::string path;
    char* folder = AppDownloadFolder();
    if (browser.Browse(displayName, path) && path.size() < kAppPathSize && folder) {
        m_strSaveTo = path;
        std::memcpy(folder, path.c_str(), path.size() + 1);
        // A failure to write is ignored: the folder holds for this run.
        ::WritePrivateProfileStringA(kFolderSection, kFolderKey, path.c_str(), kSettingsFile);
    }
    UpdateData(FALSE);
}

bool DownloaderDlg::CheckDownloadFolder() {
    if (::PathFileExistsA(m_strSaveTo.c_str())) return true;
    const char* folder = AppDownloadFolder();
    if (folder && *folder && ::CreateDirectoryA(folder, nullptr)) return true;
    MessageBox("Failure To Create The Directory,Please Re-run The Program.", "Error", MB_OK | MB_ICONERROR);
    return false;
}
