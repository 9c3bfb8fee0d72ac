#include "graph/EnlargedSteps.h"

#include <algorithm>

namespace tremora {

namespace {
constexpr int kResponseKindCount = 3;
constexpr int kAllPoints = 100;
constexpr int kOverlayColourCount = 7;
constexpr int kLegendRowStep = 15;
}  // namespace

int EnlargedStepCount(bool per_component, int channel_count) {
  return per_component ? kResponseKindCount : std::clamp(channel_count, 0, 3);
}

EnlargedStep EnlargedStepAt(bool per_component, int step, int chosen_channel, int chosen_kind) {
  return per_component ? EnlargedStep{step, chosen_channel} : EnlargedStep{chosen_kind, step};
}

StepMove MoveAfter(unsigned char command, int step, int step_count) {
  const auto next = [&] { return step + 1 >= step_count ? StepMove{true, step} : StepMove{false, step + 1}; };
  switch (static_cast<StepCommand>(command)) {
    case StepCommand::Next: return next();
    case StepCommand::Back: return {false, std::max(step - 1, 0)};
    case StepCommand::EnlargedGif:
    case StepCommand::NewOverlay:
    case StepCommand::AddToOverlay: return {false, step};
    case StepCommand::OverlayGif: return next();
    case StepCommand::Close: break;
  }
  // No button leaves any other value; ending is the one safe way out.
  return {true, step};
}

int EnlargedPointCount(bool linear_x, bool frequency, int linear_period_count) {
  return linear_x && !frequency ? linear_period_count : kAllPoints;
}

int EnlargedScaleCount(bool per_component, int point_count) { return per_component ? point_count : kAllPoints; }

int EnlargedSubX(bool ten_seconds, bool frequency) { return ten_seconds && !frequency ? 4 : 5; }

int OverlayColourIndex(int k) { return ((k % kOverlayColourCount) + kOverlayColourCount) % kOverlayColourCount; }

LegendRow OverlayLegendRow(int k) {
  LegendRow row;
  row.line_y += kLegendRowStep * k;
  row.text_y += kLegendRowStep * k;
  return row;
}

}  // namespace tremora
