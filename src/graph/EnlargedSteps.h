#pragma once
// The enlarged view's walk through the spectra, worked out from numbers: which spectrum each step
// shows, where each stepping-window command leads, how many points a step draws and where the
// overlay's legend rows lie.

#include <cstdint>

namespace tremora {

// What the stepping window leaves for the loop when it closes (the values the window stores).
enum class StepCommand : unsigned char {
  Next = 0,
  Back = 1,
  Close = 2,
  EnlargedGif = 3,
  NewOverlay = 4,
  AddToOverlay = 5,
  OverlayGif = 6,
};

// One enlarged spectrum: a response kind (0 SA, 1 SV, 2 SD) of one channel.
struct EnlargedStep {
  int kind = 0;
  int channel = 0;
};

// Per component: SA, SV and SD of the chosen channel. Per response: the chosen kind of every
// loaded channel.
int EnlargedStepCount(bool per_component, int channel_count);
EnlargedStep EnlargedStepAt(bool per_component, int step, int chosen_channel, int chosen_kind);

// Where the loop goes after command on step of step_count: the next step to show, or none when
// the enlarged view ends.
struct StepMove {
  bool ends = false;
  int step = 0;
};
StepMove MoveAfter(unsigned char command, int step, int step_count);

// Points a step draws: the grid periods up to the longest period on a linear period axis, else
// all 100.
int EnlargedPointCount(bool linear_x, bool frequency, int linear_period_count);
// Points the enlarged graph's vertical scale is fitted to: the drawn ones per component, all 100
// per response.
int EnlargedScaleCount(bool per_component, int point_count);
// Minor divisions of the enlarged graph per component: 0.5 s steps on the 10 s period axis.
int EnlargedSubX(bool ten_seconds, bool frequency);

// The overlay's k-th added spectrum (0: the first) takes colour entry k mod 7 and a legend row
// 15 pixels below the one before.
int OverlayColourIndex(int k);
struct LegendRow {
  int line_left = 30, line_right = 95, line_y = 315;
  int text_x = 100, text_y = 310;
};
LegendRow OverlayLegendRow(int k);

}  // namespace tremora
