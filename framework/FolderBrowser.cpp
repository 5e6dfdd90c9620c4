#include "framework/FolderBrowser.h"

CFolderBrowser::BrowseFunction CFolderBrowser::s_pfnBrowse = &::SHBrowseForFolderA;

CFolderBrowser::CFolderBrowser(HWND hOwner, const char* title, UINT flags) {
    m_bi.hwndOwner = hOwner;
    m_bi.pidlRoot = nullptr;
    m_bi.pszDisplayName = m_szDisplayName;
    m_bi.lpszTitle = title;
    m_bi.ulFlags = flags;
}

bool CFolderBrowser::Browse(char* displayName, std::string& path) {
    if (displayName) m_bi.pszDisplayName = displayName;
    PIDLIST_ABSOLUTE pidl = s_pfnBrowse(&m_bi);
    if (!pidl) return false;
    char chosen[MAX_PATH] = {};
    bool ok = ::SHGetPathFromIDListA(pidl, chosen) && chosen[0] != '\0';
    ::CoTaskMemFree(pidl);
    if (ok) path = chosen;
    return ok;
}
