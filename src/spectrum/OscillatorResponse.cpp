#include "spectrum/OscillatorResponse.h"

namespace tremora {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr long double kThird = 1.0L / 3.0L;
constexpr long double kSixth = 1.0L / 6.0L;
}  // namespace

OscillatorConstants MakeOscillatorConstants(float ratio, float period, float dt) {
  OscillatorConstants c;
  c.Omega = static_cast<float>(kTwoPi / static_cast<long double>(period));
  c.Stiffness = static_cast<float>(static_cast<long double>(c.Omega) * c.Omega);
  c.StepSquared = static_cast<float>(static_cast<long double>(dt) * dt);
  c.Divisor = static_cast<float>((static_cast<long double>(ratio) * c.Omega * dt + 1.0f) +
                                 static_cast<long double>(c.Stiffness) * c.StepSquared * kSixth);
  c.Damping = static_cast<double>(2.0f * ratio) * c.Omega;
  return c;
}

void ResponseHistories::Resize(int count) {
  RelativeAcceleration.assign(count, 0.0f);
  AbsoluteAcceleration.assign(count, 0.0f);
  RelativeVelocity.assign(count, 0.0f);
  RelativeDisplacement.assign(count, 0.0f);
}

void OscillatorResponse(int count, float ratio, float period, float dt, const float* ground,
                        ResponseHistories& histories) {
  using Wide = long double;
  const OscillatorConstants c = MakeOscillatorConstants(ratio, period, dt);
  float a = 0.0f;
  float v = 0.0f;
  float x = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float g = ground[i];
    const float vp = static_cast<float>(static_cast<Wide>(a) * dt * 0.5f + v);
    const float xp = static_cast<float>((static_cast<Wide>(v) * dt + x) + static_cast<Wide>(a) * c.StepSquared * kThird);
    const float q = static_cast<float>(static_cast<Wide>(c.Damping) * vp + static_cast<Wide>(c.Stiffness) * xp + g);
    a = static_cast<float>(-q / static_cast<Wide>(c.Divisor));
    histories.RelativeAcceleration[i] = a;
    histories.AbsoluteAcceleration[i] = static_cast<float>(static_cast<Wide>(a) + g);
    v = static_cast<float>(static_cast<Wide>(a) * dt * 0.5f + vp);
    histories.RelativeVelocity[i] = v;
    x = static_cast<float>(static_cast<Wide>(a) * c.StepSquared * kSixth + xp);
    histories.RelativeDisplacement[i] = x;
  }
}

}  // namespace tremora
