// The system's file-open (or save) dialog.
//
// The filter is given as "Name|pattern|Name|pattern||". The function that
// shows the dialog is a replaceable pointer, so tests can answer it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

class CWnd;

class CFileDialog {
public:
    CFileDialog(BOOL openDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* pParent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    // The chosen file's full path.
    std::string GetPathName() const { return m_szFile; }

    OPENFILENAMEA m_ofn = {};

    using ShowFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
    static ShowFunction s_pfnShowOpen;  // GetOpenFileNameA
    static ShowFunction s_pfnShowSave;  // GetSaveFileNameA

private:
    BOOL m_bOpen;
    std::string m_strFilter;  // with NUL separators
    std::string m_strDefExt;
    char m_szFile[MAX_PATH] = {};
};
