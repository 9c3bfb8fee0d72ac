#include "platform/PlotReadout.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

#include "base/CNumbers.h"

namespace tremora {

std::string OneLine(const std::vector<ReadoutLine>& lines) {
  std::string text;
  for (const ReadoutLine& line : lines) {
    if (!text.empty()) text += "   ";
    text += line.text;
  }
  return text;
}

std::string ReadoutNumber(double value) {
  if (!std::isfinite(value)) return FormatC("%g", value);
  if (value == 0) return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  int decimals = 3 - magnitude;
  decimals = decimals < 0 ? 0 : decimals > 6 ? 6 : decimals;
  std::string text = FormatC("%.*f", decimals, value);
  // Rounding up may carry into a new digit (9.9996 -> "10.000"): one decimal fewer then.
  const size_t digits = text.find_first_of("123456789");
  const size_t point = text.find('.');
  if (decimals > 0 && digits != std::string::npos && point != std::string::npos &&
      static_cast<int>(text.size() - digits - (digits < point ? 1 : 0)) > 4) {
    text = FormatC("%.*f", decimals - 1, value);
  }
  return text == "-0" ? "0" : text;
}

bool PinnedMarkers::RemoveAt(int x, int y) {
  for (auto it = markers_.rbegin(); it != markers_.rend(); ++it) {
    if (std::abs(it->at.x - x) <= kHitRadius && std::abs(it->at.y - y) <= kHitRadius) {
      markers_.erase(std::next(it).base());
      return true;
    }
  }
  return false;
}

bool PinnedMarkers::RemoveLatest() {
  if (markers_.empty()) return false;
  markers_.pop_back();
  return true;
}

}  // namespace tremora
