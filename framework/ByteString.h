// Helpers for byte strings (std::string) in the system's active code page.
// A double-byte character (lead byte + trail byte) is never split: white
// space and searches are judged character by character.
#pragma once

#include <string>

namespace bytestr {

// Whether the character starting at text[pos] is white space (blanks, tabs,
// line breaks, and the code page's own spaces such as a full-width space).
bool IsSpaceAt(const std::string& text, size_t pos);
// The length in bytes of the character starting at text[pos] (1 or 2).
size_t CharLengthAt(const std::string& text, size_t pos);

void TrimRight(std::string& text);
void TrimLeft(std::string& text);
// Right end first, then left end.
void Trim(std::string& text);
// Lower-cases in place as the code page defines it.
void MakeLower(std::string& text);

// The first occurrence of what at a character boundary at or after start, or
// std::string::npos. An empty what is never found.
size_t Find(const std::string& text, const std::string& what, size_t start = 0);
// Replaces every occurrence of what, left to right, without overlaps;
// returns the number replaced.
int Replace(std::string& text, const std::string& what, const std::string& with);
// Removes every occurrence of what; returns the number removed.
inline int Remove(std::string& text, const std::string& what) { return Replace(text, what, std::string()); }

}  // namespace bytestr
