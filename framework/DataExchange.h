// Dialog data exchange: one pass over a window's controls that either reads
// them into the members (save) or writes the members into them (load).
//
//   void DownloaderDlg::DoDataExchange(CDataExchange* pDX) {
//       CDialog::DoDataExchange(pDX);
//       pDX->Control(IDC_TASK_LIST, m_listTasks);   // bind the member object
//       pDX->Text(IDC_URL, m_strUrl);
//       pDX->Check(IDC_DELETE_FILE, m_bDeleteFile);
//   }
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, bool saveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls -> members

    // The text of control id.
    void Text(int id, std::string& value);
    // The check state (BM_GETCHECK/BM_SETCHECK) of control id: 0, 1 or 2.
    void Check(int id, int& value);
    // Attaches the object to control id by subclassing, once, in either
    // direction; later passes leave the binding alone.
    void Control(int id, CWnd& control);

private:
    HWND Item(int id) const;
};
