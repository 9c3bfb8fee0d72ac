#pragma once
// The natural periods the spectra are computed at (100 points, equally spaced on a log axis from
// 0.05 s towards 10 s) and the three sets of damping ratios.

#include <array>

namespace tremora {

constexpr int kPeriodCount = 100;
constexpr int kDampingCount = 5;
constexpr int kResponseKinds = 3;  // 0 SA, 1 SV, 2 SD everywhere

struct PeriodGrid {
  float MinPeriod = 0;  // s
  float MaxPeriod = 0;  // s; the end of the range, not itself a grid point
  float LogStep = 0;    // natural-log step between neighbouring periods
  std::array<float, kPeriodCount> Periods{};               // s, ascending
  std::array<float, kPeriodCount> Frequencies{};           // Hz, 1 / Periods[k], descending
  std::array<float, kPeriodCount> AscendingFrequencies{};  // Frequencies reversed
};

PeriodGrid MakePeriodGrid();

enum class DampingMultiplier { X1, X5, X10 };
using DampingRatios = std::array<float, kDampingCount>;

// {0, 0.01, 0.02, 0.05, 0.10} scaled by 1, 5 or 10 (fractions of critical damping).
DampingRatios DampingSet(DampingMultiplier multiplier);

// Captions of the check boxes for the ratios 1 to 4 of a set (ratio 0 keeps its own caption).
std::array<const char*, kDampingCount - 1> DampingCaptions(DampingMultiplier multiplier);

}  // namespace tremora
