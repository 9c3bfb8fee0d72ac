#include "wave/WaveReadout.h"

#include <cmath>
#include <cstdlib>

#include "base/CNumbers.h"
#include "base/Translation.h"
#include "record/RecordClock.h"

namespace tremora {

namespace {

// Column of sample i, as WaveTrace draws it.
int SampleColumn(const WaveStripShown& strip, int i) {
  return strip.axes.OriginX + WaveColumnOffset(strip.axes, static_cast<long double>(i) * strip.dt);
}

// Samples the trace draws: it stops at the first whose column lies past the time axis.
int DrawnCount(const WaveStripShown& strip) {
  const int axis_end = strip.axes.OriginX + strip.axes.UnitLenX * strip.axes.NGridX;
  const int count = static_cast<int>(strip.samples.size());
  // Columns grow with i, so the first sample past the end is found by halving.
  int low = 1, high = count;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (SampleColumn(strip, middle) > axis_end) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return count == 0 ? 0 : low;
}

// First drawn sample whose column is x or right of it (drawn when it is below drawn).
int FirstAtOrAfter(const WaveStripShown& strip, int drawn, int x) {
  int low = 0, high = drawn;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (SampleColumn(strip, middle) < x) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

}  // namespace

std::optional<WaveReading> ReadWaveAt(const std::vector<WaveStripShown>& strips, int x, int y) {
  int best = -1;
  for (int s = 0; s < static_cast<int>(strips.size()); ++s) {
    // A strip drawn again at the same place (a redraw nested in another) is read as drawn last.
    if (best < 0 || std::abs(strips[s].axes.OriginY - y) <= std::abs(strips[best].axes.OriginY - y)) best = s;
  }
  if (best < 0) return std::nullopt;
  const WaveStripShown& strip = strips[best];
  const int axis_end = strip.axes.OriginX + strip.axes.UnitLenX * strip.axes.NGridX;
  if (x < strip.axes.OriginX || x > axis_end || !(strip.dt > 0)) return std::nullopt;
  const int drawn = DrawnCount(strip);
  if (drawn == 0) return std::nullopt;

  int first = FirstAtOrAfter(strip, drawn, x);
  if (first == drawn || SampleColumn(strip, first) != x) {
    // No sample in this column: the nearer of its neighbours.
    const bool left_nearer = first > 0 && (first == drawn || x - SampleColumn(strip, first - 1) <=
                                                                 SampleColumn(strip, first) - x);
    if (left_nearer) --first;
    // The sample at the start of its own column, so the reading is the same as there.
    first = FirstAtOrAfter(strip, drawn, SampleColumn(strip, first));
  }
  const int column = SampleColumn(strip, first);
  int chosen = first;
  for (int i = first; i < drawn && SampleColumn(strip, i) == column; ++i) {
    if (std::abs(WaveRow(strip.axes, strip.samples[i]) - y) < std::abs(WaveRow(strip.axes, strip.samples[chosen]) - y)) {
      chosen = i;
    }
  }
  return WaveReading{best, chosen, {column, WaveRow(strip.axes, strip.samples[chosen])}};
}

PlotReading DescribeWaveReading(const std::vector<WaveStripShown>& strips, const WaveReading& reading) {
  const WaveStripShown& strip = strips.at(reading.strip);
  const WaveTraceLabel& label = strip.label;
  const double time = label.first_sample_time + reading.sample * strip.dt;
  const std::string time_text = FormatC("%.*f s", label.decimals, time);
  const std::string value_text = ReadoutNumber(strip.samples[reading.sample]) + " " + label.unit;
  PlotReading described;
  described.lines.push_back({label.name, std::nullopt});
  described.lines.push_back({FormatC(Translate("WaveReadout", "記録開始から %s").c_str(), time_text.c_str()), std::nullopt});
  described.lines.push_back({FormatC(Translate("WaveReadout", "値 %s").c_str(), value_text.c_str()), std::nullopt});
  if (label.start_clock) {
    const std::string clock = ClockText(*label.start_clock + time, label.decimals);
    described.lines.push_back({FormatC(Translate("WaveReadout", "時刻 %s").c_str(), clock.c_str()), std::nullopt});
  }
  described.pin = reading.point;
  described.pin_text = value_text + " (" + time_text + ")";
  return described;
}

}  // namespace tremora
