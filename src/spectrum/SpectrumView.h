#pragma once
// What the spectrum window draws, worked out from numbers: how many grid points a linear axis
// shows, the panel titles and units, the reference damping, the damping colours and the axis
// settings of the spectrum graphs for the window's radio groups.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "record/RecordSet.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSource.h"

namespace tremora {

// Grid periods not longer than max_period: trunc((ln max_period - ln MinPeriod) / LogStep + 1),
// at most 100 (70 for 2 s, 87 for 5 s, 100 for 10 s).
int LinearPeriodCount(const PeriodGrid& grid, float max_period);

// Values of AscendingFrequencies up to and including the first one above 10 Hz (87).
int LinearFrequencyCount(const PeriodGrid& grid);

// "[Gal]", "[kine]", "[cm]" for SA, SV, SD.
const char* ResponseUnit(int kind);

// "SA AOM001 NS   2018/01/24 19:51:00": kind label, station, the channel's component, origin date
// and time.
std::string SpectrumTitle(int kind, const SpectrumSource& source, int channel);

// The name of a damping ratio's curve in the read-out, in percent as its check box: "h=5%".
std::string DampingName(float ratio);

// The lowest shown damping index, 0 when none is shown: the scales are fitted to its curve, the
// largest of those drawn.
int ReferenceDamping(const std::array<bool, kDampingCount>& shown);

// Colours 0x00BBGGRR of the curves: entry d for damping index d; the overlay uses all seven.
inline constexpr std::array<std::uint32_t, 7> kSpectrumColours = {0x0000FF, 0xFF0000, 0x800080, 0x000000,
                                                                   0x008000, 0x808000, 0x800000};

// The longest period of a linear period axis, its divisions and minor steps per division.
struct LinearPeriodAxis {
  float LinearMaxPeriod = 2.0f;
  int LinearGridCount = 4;
  int SubX = 5;
};
// 0: 2 s in 4 divisions, 1: 5 s in 5, 2: 10 s in 5 (0.5 s minor steps).
LinearPeriodAxis LongestPeriodChoice(int item);

// The three graphs that draw spectra; they differ in a few axis settings.
enum class SpectrumGraph { Window, Enlarged, Overlay };

// The window's axis choices.
struct SpectrumAxisChoice {
  bool linear_x = false;  // RGXScale item 0
  bool linear_y = false;  // RGYScale item 0
  bool frequency = false;  // RGXUnit item 1 (Hz)
  float linear_max_period = 2.0f;
  int linear_grid_count = 4;
};

// What the axis setup sets on a graph; the vertical start and step are left as they are where
// empty (the vertical scale is fitted to the data afterwards anyway).
struct SpectrumAxisSettings {
  bool LinearX = true;
  float SValueX = 0.0f;
  float VValueX = 5.0f;
  int NGridX = 4;
  bool LinearY = true;
  std::optional<float> SValueY;
  std::optional<float> VValueY;
  int NGridY = 4;
  std::string TitleX;
};

// The horizontal axis's title, period or frequency, in the current language.
std::string SpectrumAxisTitle(bool frequency);

SpectrumAxisSettings SpectrumAxes(SpectrumGraph graph, const SpectrumAxisChoice& choice);

}  // namespace tremora
