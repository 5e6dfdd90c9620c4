// The clipboard, open for the lifetime of the object (or until Close).
#pragma once

#include <windows.h>

#include <string>

class CClipboard {
public:
    CClipboard() = default;
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;
    ~CClipboard() { Close(); }

    // False when another window holds the clipboard open.
    bool Open(HWND hOwner);
    void Close();
    bool IsOpen() const { return m_bOpen; }

    // The text in CF_TEXT format; empty when there is none.
    std::string GetText() const;
    // Empties the clipboard and puts the text on it.
    bool SetText(const std::string& text);

private:
    bool m_bOpen = false;
};
