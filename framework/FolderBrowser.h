// The shell's folder browser. The function that shows it is a replaceable
// pointer, so tests can answer it.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

class CFolderBrowser {
public:
    // Root: the desktop; no callback.
    CFolderBrowser(HWND hOwner, const char* title, UINT flags);

    // Shows the browser. displayName (at least MAX_PATH bytes, may be null)
    // receives the chosen folder's display name. True when a folder with a
    // file-system path was chosen; the path is then in path.
    bool Browse(char* displayName, std::string& path);

    BROWSEINFOA m_bi = {};

    using BrowseFunction = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOA);
    static BrowseFunction s_pfnBrowse;  // SHBrowseForFolderA

private:
    char m_szDisplayName[MAX_PATH] = {};
};
