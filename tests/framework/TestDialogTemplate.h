// Builds dialog templates in memory for tests, so that framework tests need
// no resource script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestDialogTemplate {
public:
    // Units are dialog units; the font is "MS Shell Dlg" 8.
    TestDialogTemplate(DWORD style, short x, short y, short cx, short cy, const char* caption = "");

    // A control of a predefined class ("BUTTON", "EDIT", "STATIC",
    // "SysListView32", ...).
    TestDialogTemplate& Add(const char* className, const char* text, WORD id, DWORD style, short x, short y,
                            short cx, short cy);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void PutString(const char* text);
    void AlignToDword();
    std::vector<WORD> m_words;
};
