#include "framework/ByteString.h"

#include <windows.h>

#include <vector>

namespace bytestr {

size_t CharLengthAt(const std::string& text, size_t pos) {
    if (pos + 1 < text.size() && ::IsDBCSLeadByte(static_cast<BYTE>(text[pos]))) return 2;
    return 1;
}

bool IsSpaceAt(const std::string& text, size_t pos) {
    if (pos >= text.size()) return false;
    size_t length = CharLengthAt(text, pos);
    WCHAR wide[2] = {};
    int n = ::MultiByteToWideChar(CP_ACP, 0, text.data() + pos, static_cast<int>(length), wide, 2);
    if (n != 1) return false;
    WORD type = 0;
    return ::GetStringTypeW(CT_CTYPE1, wide, 1, &type) && (type & C1_SPACE);
}

void TrimRight(std::string& text) {
    // Walk forward so that a trail byte is never judged on its own.
    size_t keep = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t length = CharLengthAt(text, pos);
        if (!IsSpaceAt(text, pos)) keep = pos + length;
        pos += length;
    }
    text.resize(keep);
}

void TrimLeft(std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && IsSpaceAt(text, pos)) pos += CharLengthAt(text, pos);
    text.erase(0, pos);
}

void Trim(std::string& text) {
    TrimRight(text);
    TrimLeft(text);
}

void MakeLower(std::string& text) {
    if (!text.empty()) ::CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
}

size_t Find(const std::string& text, const std::string& what, size_t start) {
    if (what.empty() || what.size() > text.size()) return std::string::npos;
    for (size_t pos = 0; pos + what.size() <= text.size(); pos += CharLengthAt(text, pos)) {
        if (pos >= start && text.compare(pos, what.size(), what) == 0) return pos;
    }
    return std::string::npos;
}

int Replace(std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return 0;
    std::string result;
    int count = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text.compare(pos, what.size(), what) == 0) {
            result += with;
            pos += what.size();
            ++count;
        } else {
            size_t length = CharLengthAt(text, pos);
            result.append(text, pos, length);
            pos += length;
        }
    }
    if (count) text.swap(result);
    return count;
}

}  // namespace bytestr
