#pragma once
// The Japan Meteorological Agency's instrumental seismic intensity (計測震度) of a three-component
// acceleration record, and its class (震度階級).
//
// How the agency defines it: each component, in gal with its mean removed, is Fourier transformed
// (here at the smallest power-of-two length not below the sample count, zero padded) and weighted
// by three filters of the frequency f in Hz:
//   period effect  sqrt(1 / f)
//   high cut       (1 + 0.694X² + 0.241X⁴ + 0.0557X⁶ + 0.009664X⁸ + 0.00134X¹⁰ + 0.000155X¹²)^(-1/2),
//                  X = f / 10 Hz
//   low cut        sqrt(1 - exp(-(f / 0.5 Hz)³))
// (all zero at f = 0). Back in time, the vector size a(t) = sqrt(ax² + ay² + az²) is taken over the
// record's own samples; a0 is the size that a(t) reaches or exceeds for 0.3 s in total, that is the
// round(0.3 / dt)-th largest sample; I = 2 log10(a0) + 0.94. The agency reports I rounded at the
// third decimal and then cut at the second, one decimal shown, and the class from that value.

#include <string>
#include <vector>

namespace tremora {

// The three weights at frequency f (Hz); each is 0 at f <= 0.
double PeriodEffectGain(double f);
double HighCutGain(double f);
double LowCutGain(double f);
double IntensityFilterGain(double f);  // their product

// The smallest power of two not below count (1 for count <= 1).
int TransformLength(int count);

// One component at interval dt (s) filtered as above, in place: its mean
// is removed first. FFT plans are made once per length and shared between threads.
void ApplyIntensityFilter(std::vector<double>& samples, double dt);

// The size that sizes reach or exceed for 0.3 s in total at interval dt: the round(0.3 / dt)-th
// largest value (at least the first, at most the last). 0 for no samples.
double DurationLevel(std::vector<double> sizes, double dt);

struct JmaIntensity {
  double Unrounded = 0;  // 2 log10(a0) + 0.94; -inf when a0 is 0
  double Reported = 0;   // one decimal, the agency's rounding
  std::string Class;     // "0" .. "4", "5弱", "5強", "6弱", "6強", "7"
};

// The reported value of an unrounded intensity: rounded to two decimals, then cut to one
// (towards zero).
double ReportedIntensity(double unrounded);
// The class of a reported intensity.
std::string IntensityClass(double reported);
// A class as a window shows it, in the current language (files keep IntensityClass's text).
std::string ShownIntensityClass(const std::string& intensity_class);

// The intensity of three components of count samples each (gal) at interval dt (s).
JmaIntensity ComputeJmaIntensity(const float* ns, const float* ew, const float* ud, int count, double dt);

}  // namespace tremora
