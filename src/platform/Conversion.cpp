#include "platform/Conversion.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "base/Ascii.h"
#include "base/CNumbers.h"
#include "base/Translation.h"

namespace tremora {

namespace {

// The text as typed, so that the user sees what was refused. message: a format with one %s.
[[noreturn]] void Refuse(std::string_view text, const CoreMessage& message) {
  throw ConversionError(FormatC(message.Now().c_str(), std::string(text).c_str()));
}

constexpr CoreMessage kInteger{Tr("Conversion", "'%s' は整数として正しくありません。")};
constexpr CoreMessage kNumber{Tr("Conversion", "'%s' は数値として正しくありません。")};

}  // namespace

int TextToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpaceOrTab(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) Refuse(text, kInteger);
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!IsAsciiDigit(text[i])) Refuse(text, kInteger);
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) Refuse(text, kInteger);
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) Refuse(text, kInteger);
  return static_cast<int>(value);
}

float TextToFloat(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsSpaceOrTab(text[first])) ++first;
  while (last > first && IsSpaceOrTab(text[last - 1])) --last;
  const std::string body(text.substr(first, last - first));
  // Only plain decimal notation: strtod would also take hex, "inf" and "nan".
  bool has_digit = false;
  for (char c : body) {
    if (IsAsciiDigit(c)) {
      has_digit = true;
    } else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') {
      Refuse(text, kNumber);
    }
  }
  if (!has_digit) Refuse(text, kNumber);
  static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  char* end = nullptr;
  errno = 0;
  const double value = strtod_l(body.c_str(), &end, c_locale);
  if (end != body.c_str() + body.size() || errno == ERANGE || std::fabs(value) > FLT_MAX) {
    Refuse(text, kNumber);
  }
  return static_cast<float>(value);
}

}  // namespace tremora
