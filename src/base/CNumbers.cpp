#include "base/CNumbers.h"

#include <cfloat>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "base/Ascii.h"

namespace tremora {

namespace {

locale_t CLocale() {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c_locale;
}

// Length of the longest prefix of text that reads as a decimal number: blanks, sign, digits,
// optional fraction, optional exponent. 0 when there is no digit.
size_t DecimalPrefixLength(std::string_view text, bool allow_fraction) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsAsciiDigit(text[i])) { ++i; ++digits; }
  if (allow_fraction && i < text.size() && text[i] == '.') {
    size_t j = i + 1;
    size_t fraction_digits = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) { ++j; ++fraction_digits; }
    if (digits + fraction_digits > 0) { i = j; digits += fraction_digits; }
  }
  if (digits == 0) return 0;
  if (allow_fraction && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t exponent_digits = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) { ++j; ++exponent_digits; }
    if (exponent_digits > 0) i = j;
  }
  return i;
}

}  // namespace

int ReadInt(std::string_view text, bool* clamped) {
  if (clamped != nullptr) *clamped = false;
  const size_t length = DecimalPrefixLength(text, false);
  if (length == 0) return 0;
  const std::string number(text.substr(0, length));
  const long long value = std::strtoll(number.c_str(), nullptr, 10);
  if (value > INT_MAX || value < INT_MIN) {
    if (clamped != nullptr) *clamped = true;
    return value > INT_MAX ? INT_MAX : INT_MIN;
  }
  return static_cast<int>(value);
}

double ReadDecimal(std::string_view text, bool* clamped) {
  if (clamped != nullptr) *clamped = false;
  const size_t length = DecimalPrefixLength(text, true);
  if (length == 0) return 0.0;
  const std::string number(text.substr(0, length));
  const double value = strtod_l(number.c_str(), nullptr, CLocale());
  if (value > FLT_MAX || value < -FLT_MAX) {
    if (clamped != nullptr) *clamped = true;
    return value > FLT_MAX ? FLT_MAX : -FLT_MAX;
  }
  return value;
}

bool IsWholeInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t digits_from = i;
  while (i < text.size() && IsAsciiDigit(text[i])) ++i;
  if (i == digits_from) return false;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return i == text.size();
}

bool IsDecimalNumber(std::string_view text) {
  size_t i = DecimalPrefixLength(text, true);
  if (i == 0) return false;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return i == text.size();
}

std::string FormatC(const char* format, ...) {
  const locale_t previous = uselocale(CLocale());
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  char small[256];
  const int needed = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string result;
  if (needed >= 0 && static_cast<size_t>(needed) < sizeof small) {
    result.assign(small, static_cast<size_t>(needed));
  } else if (needed >= 0) {
    result.resize(static_cast<size_t>(needed) + 1);
    std::vsnprintf(result.data(), result.size(), format, copy);
    result.resize(static_cast<size_t>(needed));
  }
  va_end(copy);
  uselocale(previous);
  return result;
}

}  // namespace tremora
