#pragma once
// Numbers in files are read the way the C library reads them (leading blanks skipped, an optional
// sign, reading stops at the first character that does not fit, no number gives 0) and written
// with printf formats, always in the "C" numeric locale whatever the desktop's locale is.

#include <string>
#include <string_view>

namespace tremora {

// strtol-style decimal integer; values beyond the int range are clamped to it (and *clamped set).
int ReadInt(std::string_view text, bool* clamped = nullptr);

// strtod-style decimal number, decimal notation only (no hex, inf or nan, which no record holds);
// values beyond the float range are clamped to it so that a float store stays finite (and
// *clamped set).
double ReadDecimal(std::string_view text, bool* clamped = nullptr);

// True when text is one whole number as the data fields hold them: blanks, an optional sign and
// digits, then nothing but blanks.
bool IsWholeInteger(std::string_view text);
// True when text is one decimal number as ReadDecimal reads it ("-0.059", ".1224950E-02", "1e5"),
// with nothing but blanks around it.
bool IsDecimalNumber(std::string_view text);

// printf into a string with the "C" numeric locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tremora
