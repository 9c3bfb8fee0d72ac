#include "platform/TickText.h"

#include "base/CNumbers.h"

namespace tremora {

std::string FixedTickText(long double magnitude, bool negative) {
  std::string text = FormatC("%.4Lf", magnitude);
  if (text.back() == '9') text = FormatC("%.4Lf", magnitude + 0.0001L);
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return negative ? "-" + text : text;
}

std::string ExponentTickText(long double magnitude, bool negative) {
  return (negative ? "-" : "") + FormatC("%.1Le", magnitude);
}

}  // namespace tremora
