#include "spectrum/SpectrumView.h"

#include <algorithm>
#include <cmath>

#include "base/CNumbers.h"
#include "base/Translation.h"
#include "spectrum/SpectrumCsv.h"

namespace tremora {

namespace {
constexpr float kLinearFrequencyEnd = 10.0f;  // Hz
}  // namespace

std::string SpectrumAxisTitle(bool frequency) {
  return frequency ? Translate("SpectrumView", "振動数 [Hz]") : Translate("SpectrumView", "周　期 [s]");
}

int LinearPeriodCount(const PeriodGrid& grid, float max_period) {
  const long double steps = (logl(max_period) - logl(grid.MinPeriod)) / grid.LogStep + 1.0L;
  return std::min(static_cast<int>(steps), kPeriodCount);
}

int LinearFrequencyCount(const PeriodGrid& grid) {
  for (int i = 0; i < kPeriodCount; ++i) {
    if (grid.AscendingFrequencies[i] > kLinearFrequencyEnd) return i + 1;
  }
  return kPeriodCount;
}

const char* ResponseUnit(int kind) {
  static constexpr const char* kUnits[kResponseKinds] = {"[Gal]", "[kine]", "[cm]"};
  return kind >= 0 && kind < kResponseKinds ? kUnits[kind] : "";
}

std::string SpectrumTitle(int kind, const SpectrumSource& source, int channel) {
  const std::string& component = source.ComponentNames[std::clamp(channel, 0, kMaxChannels - 1)];
  return FormatC("%s %s %s   %s %s", ResponseLabel(kind), source.StationCode.c_str(), component.c_str(),
                 source.OriginDate.c_str(), source.OriginTime.c_str());
}

std::string DampingName(float ratio) { return FormatC("h=%g%%", ratio * 100.0); }

int ReferenceDamping(const std::array<bool, kDampingCount>& shown) {
  const auto first = std::find(shown.begin(), shown.end(), true);
  return first == shown.end() ? 0 : static_cast<int>(first - shown.begin());
}

LinearPeriodAxis LongestPeriodChoice(int item) {
  switch (item) {
    case 1: return {5.0f, 5, 5};
    case 2: return {10.0f, 5, 4};
    default: return {2.0f, 4, 5};
  }
}

SpectrumAxisSettings SpectrumAxes(SpectrumGraph graph, const SpectrumAxisChoice& choice) {
  // The rows are applied in order: scale of x, scale of y, then unit of x, which looks at the
  // scale of x just set.
  SpectrumAxisSettings axes;
  const float linear_period_step = choice.linear_max_period / choice.linear_grid_count;
  if (choice.linear_x) {
    axes.LinearX = true;
    axes.SValueX = 0.0f;
    axes.NGridX = 4;
    if (graph == SpectrumGraph::Enlarged) {
      axes.NGridX = choice.linear_grid_count;
      axes.VValueX = linear_period_step;
    }
  } else {
    axes.LinearX = false;
    axes.SValueX = 0.01f;
    axes.VValueX = 10.0f;
    axes.NGridX = 3;
  }

  if (choice.linear_y) {
    axes.LinearY = true;
    axes.SValueY = 0.0f;
    axes.NGridY = 4;
  } else {
    axes.LinearY = false;
    axes.NGridY = 3;
    if (graph == SpectrumGraph::Window) {
      axes.SValueY = 0.01f;
      axes.VValueY = 10.0f;
    }
  }

  if (!choice.frequency) {
    axes.TitleX = SpectrumAxisTitle(false);
    if (axes.LinearX) {
      axes.VValueX = linear_period_step;
      axes.NGridX = choice.linear_grid_count;
    } else {
      axes.SValueX = 0.01f;
      axes.VValueX = 10.0f;
    }
  } else {
    axes.TitleX = SpectrumAxisTitle(true);
    if (axes.LinearX) {
      axes.VValueX = 5.0f;  // the divisions stay as the scale row left them
    } else {
      axes.SValueX = 0.1f;
      axes.VValueX = 10.0f;
    }
  }
  return axes;
}

}  // namespace tremora
