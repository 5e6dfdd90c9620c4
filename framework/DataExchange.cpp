#include "framework/DataExchange.h"

#include "framework/Wnd.h"

HWND CDataExchange::Item(int id) const { return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr; }

void CDataExchange::Text(int id, std::string& value) {
    HWND h = Item(id);
    if (!h) return;
    if (m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthA(h);
        std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        int got = ::GetWindowTextA(h, &text[0], static_cast<int>(text.size()));
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
        value = text;
    } else {
        ::SetWindowTextA(h, value.c_str());
    }
}

void CDataExchange::Check(int id, int& value) {
    HWND h = Item(id);
    if (!h) return;
    if (m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void CDataExchange::Control(int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND h = Item(id);
    if (h) control.SubclassWindow(h);
}
