#include "spectrum/PeriodGrid.h"

#include <cmath>

namespace tremora {

PeriodGrid MakePeriodGrid() {
  PeriodGrid grid;
  grid.MinPeriod = 0.05f;
  grid.MaxPeriod = 10.0f;
  grid.LogStep = static_cast<float>((logl(grid.MaxPeriod) - logl(grid.MinPeriod)) * 0.01L);
  for (int k = 0; k < kPeriodCount; ++k) {
    grid.Periods[k] = static_cast<float>(expl(k * static_cast<long double>(grid.LogStep)) * grid.MinPeriod);
    grid.Frequencies[k] = static_cast<float>(1.0L / grid.Periods[k]);
  }
  for (int k = 0; k < kPeriodCount; ++k) grid.AscendingFrequencies[k] = grid.Frequencies[kPeriodCount - 1 - k];
  return grid;
}

DampingRatios DampingSet(DampingMultiplier multiplier) {
  switch (multiplier) {
    case DampingMultiplier::X5: return {0.0f, 0.05f, 0.10f, 0.25f, 0.50f};
    case DampingMultiplier::X10: return {0.0f, 0.10f, 0.20f, 0.50f, 1.00f};
    case DampingMultiplier::X1: break;
  }
  return {0.0f, 0.01f, 0.02f, 0.05f, 0.10f};
}

std::array<const char*, kDampingCount - 1> DampingCaptions(DampingMultiplier multiplier) {
  switch (multiplier) {
    case DampingMultiplier::X5: return {" 5%", "10%", "25%", "50%"};
    case DampingMultiplier::X10: return {"10%", "20%", "50%", "100%"};
    case DampingMultiplier::X1: break;
  }
  return {" 1%", " 2%", " 5%", "10%"};
}

}  // namespace tremora
