#pragma once
// Character tests and case folding of ASCII only, the same in every locale: station codes, file
// name extensions and the numbers of record files are ASCII, and a multi-byte character of a
// station name must never be taken apart or folded.

#include <string>
#include <string_view>

namespace tremora {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks within a line of text.
inline bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// What the C library's isspace finds in the "C" locale.
inline bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text);

// Ignoring the case of ASCII letters; multi-byte characters compare byte for byte.
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view part);

}  // namespace tremora
