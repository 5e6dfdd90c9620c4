#include "tests/framework/TestDialogTemplate.h"

TestDialogTemplate::TestDialogTemplate(DWORD style, short x, short y, short cx, short cy, const char* caption) {
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.x = x;
    header.y = y;
    header.cx = cx;
    header.cy = cy;
    const WORD* p = reinterpret_cast<const WORD*>(&header);
    m_words.assign(p, p + sizeof(header) / sizeof(WORD));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the dialog class
    PutString(caption);
    m_words.push_back(8);  // point size
    PutString("MS Shell Dlg");
}

TestDialogTemplate& TestDialogTemplate::Add(const char* className, const char* text, WORD id, DWORD style, short x,
                                            short y, short cx, short cy) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    const WORD* p = reinterpret_cast<const WORD*>(&item);
    m_words.insert(m_words.end(), p, p + sizeof(item) / sizeof(WORD));
    PutString(className);
    PutString(text);
    m_words.push_back(0);  // no creation data
    // The item count lives in the header (cdit, the 5th word).
    reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit++;
    return *this;
}

void TestDialogTemplate::PutString(const char* text) {
    for (const char* c = text ? text : ""; *c; ++c) m_words.push_back(static_cast<unsigned char>(*c));
    m_words.push_back(0);
}

void TestDialogTemplate::AlignToDword() {
    if (m_words.size() % 2) m_words.push_back(0);
}
