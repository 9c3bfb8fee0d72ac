#pragma once
// Texts of axis ticks shared by the waveform strips and the x-y graphs.

#include <string>

namespace tremora {

// magnitude with "%.4f"; when that ends in 9 the magnitude plus 0.0001 instead (0.99999 reads 1);
// trailing zeros and a trailing point removed; "-" in front when negative (even of "0").
std::string FixedTickText(long double magnitude, bool negative);
// magnitude with "%.1e", "-" in front when negative.
std::string ExponentTickText(long double magnitude, bool negative);

}  // namespace tremora
