#pragma once
// Line and field helpers shared by the record readers and the station tables.

#include <string>
#include <string_view>
#include <vector>

namespace tremora {

// Removes the blanks at the end of a line whose line end has already been taken off.
std::string_view TrimLine(std::string_view line);

// Width of a UTF-8 text as the networks' code page (CP932) counts it: one for ASCII and half-width
// katakana, two for every other character. Fixed-width fields of the original files are counted
// this way.
int CodePageWidth(std::string_view utf8);

// The longest prefix of text, cut at a character boundary, whose code-page width is at most
// max_width.
std::string LimitText(std::string_view text, int max_width);

// A fixed-width text field holds one character less than its width.
inline std::string FitField(std::string_view text, int field_width) { return LimitText(text, field_width - 1); }

// Splits a line into comma-separated fields. Outside a field, blanks, tabs and line feeds are
// skipped and a comma ends an empty field; inside, a comma or line feed ends the field and
// everything else belongs to it. A text that ends outside a field (after a line feed, a comma or
// blanks) gets one final empty field. Fields beyond room are dropped.
std::vector<std::string> SplitFields(std::string_view text, int room);

}  // namespace tremora
