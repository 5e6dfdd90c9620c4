#include "framework/Clipboard.h"

#include <cstring>

bool CClipboard::Open(HWND hOwner) {
    if (!m_bOpen) m_bOpen = ::OpenClipboard(hOwner) != FALSE;
    return m_bOpen;
}

void CClipboard::Close() {
    if (m_bOpen) ::CloseClipboard();
    m_bOpen = false;
}

std::string CClipboard::GetText() const {
    if (!m_bOpen) return std::string();
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (!hData) return std::string();
    const char* p = static_cast<const char*>(::GlobalLock(hData));
    if (!p) return std::string();
    // Bounded by the block's size, in case the text is not terminated.
    SIZE_T size = ::GlobalSize(hData);
    std::string text(p, strnlen(p, size));
    ::GlobalUnlock(hData);
    return text;
}

bool CClipboard::SetText(const std::string& text) {
    if (!m_bOpen || !::EmptyClipboard()) return false;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!hData) return false;
    char* p = static_cast<char*>(::GlobalLock(hData));
    std::memcpy(p, text.c_str(), text.size() + 1);
    ::GlobalUnlock(hData);
    if (!::SetClipboardData(CF_TEXT, hData)) {
        ::GlobalFree(hData);
        return false;
    }
    return true;
}
