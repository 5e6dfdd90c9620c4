#include "framework/FileDialog.h"

#include <cstring>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

CFileDialog::ShowFunction CFileDialog::s_pfnShowOpen = &::GetOpenFileNameA;
CFileDialog::ShowFunction CFileDialog::s_pfnShowSave = &::GetSaveFileNameA;

CFileDialog::CFileDialog(BOOL openDialog, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* pParent)
    : m_bOpen(openDialog) {
    if (fileName) {
        std::strncpy(m_szFile, fileName, sizeof(m_szFile) - 1);
        m_szFile[sizeof(m_szFile) - 1] = '\0';
    }
    if (filter) {
        m_strFilter = filter;
        for (char& c : m_strFilter)
            if (c == '|') c = '\0';
        m_strFilter.push_back('\0');  // ends with two NULs even without "||"
    }
    if (defaultExt) m_strDefExt = defaultExt;

    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParent ? pParent->m_hWnd : MainWindowHandle();
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof(m_szFile);
    m_ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal() {
    ShowFunction show = m_bOpen ? s_pfnShowOpen : s_pfnShowSave;
    return show(&m_ofn) ? IDOK : IDCANCEL;
}
