#pragma once
// The Japan Meteorological Agency's long-period ground-motion class (長周期地震動階級): how hard
// the upper floors of a tall building shake, read from the absolute velocity response Sva of
// oscillators of 1.6 to 7.8 s.
//
// Sources: 気象庁, 長周期地震動階級および長周期地震動階級関連解説表について (periods, damping,
// thresholds); 長周期地震動に関する情報検討会 第4回 別添資料3 (equation of motion, recurrence, initial
// conditions), 第7回 資料2 (the high-pass filter of about 20 s, in use since 2016-11-27, and its
// 100 Hz constants), 第8回 資料3 (the horizontal vector, adopted 2016).
//
// The agency's procedure, for NS and EW (gal, mean removed):
//   1. a second-order recursive high-pass, state starting at zero,
//        y[t] = x[t] - 2 x[t-1] + x[t-2] - b1 y[t-1] - b2 y[t-2],  output G0 y[t];
//      its gain is 0 at 0 Hz, about 0.99998 at 1.6 s and 0.98739 at 7.8 s, left uncorrected;
//   2. oscillators of damping 0.05 at 1.6, 1.8, ..., 7.8 s driven by the filtered acceleration A,
//      stepped exactly for acceleration linear between samples, from DIS(1) = 0, VEL(1) = -A(1) dt;
//   3. ground velocity by the trapezoidal rule from V(1) = 0; absolute velocity = VEL + V;
//   4. Sva(T) = the largest hypot(absolute velocity NS, absolute velocity EW) over the record;
//   5. the class from the largest Sva: below 5 cm/s 0, then 1 up to 15, 2 up to 50, 3 up to 100,
//      4 from 100. Each period band (1 s: 1.6-1.8 s, 2 s: 2.0-2.8 s, ..., 7 s: 7.0-7.8 s) has a
//      class of its own from its largest Sva.

#include <array>
#include <string>
#include <vector>

namespace tremora {

inline constexpr int kSvaPeriodCount = 32;
inline constexpr int kLongPeriodBandCount = 7;
inline constexpr double kSvaDamping = 0.05;
// The lower bounds of classes 1 to 4 (cm/s).
inline constexpr double kLongPeriodClassThresholds[] = {5, 15, 50, 100};

// Period k (0 .. 31) in s: 1.6 + 0.2 k.
double SvaPeriod(int k);
// The band (1 .. 7, the "n s band") period k belongs to.
int SvaBand(int k);
// The class of an Sva (cm/s).
int LongPeriodClassOf(double sva);

// The recursive high-pass; a1 = -2 and a2 = 1 always.
struct LongPeriodHighPass {
  double B1 = 0, B2 = 0, Gain = 0;
  // True at a sampling rate other than 100 Hz, for which the agency publishes no constants: the
  // same filter designed for that rate.
  bool Rederived = false;
};
// The agency's constants at 100 Hz; at another interval dt (s) a second-order Butterworth
// high-pass of the cutoff the 100 Hz constants imply, its poles mapped by z = exp(s dt) and its
// gain 1 at the Nyquist frequency (which gives the 100 Hz constants back to about 1e-11).
LongPeriodHighPass LongPeriodHighPassFor(double dt);
// That design at any interval, 100 Hz included.
LongPeriodHighPass DesignLongPeriodHighPass(double dt);
// Filters samples in place.
void ApplyLongPeriodHighPass(const LongPeriodHighPass& filter, std::vector<double>& samples);

struct SvaSpectrum {
  std::array<double, kSvaPeriodCount> Sva{};          // horizontal vector, cm/s
  std::array<double, kSvaPeriodCount> AbsoluteNs{};   // largest |absolute velocity| of NS alone
  std::array<double, kSvaPeriodCount> AbsoluteEw{};
  int PeakIndex = 0;  // period of the largest Sva
  int Class = 0;
  std::array<int, kLongPeriodBandCount> BandClasses{};
  bool RederivedFilter = false;
  double PeakSva() const { return Sva[PeakIndex]; }
};

// The spectrum and classes of count samples of NS and EW (gal) at interval dt (s).
SvaSpectrum ComputeSvaSpectrum(const float* ns, const float* ew, int count, double dt);
// The same of samples in double (equal lengths).
SvaSpectrum ComputeSvaSpectrum(std::vector<double> ns, std::vector<double> ew, double dt);
// From spectrum.Sva: the period of the largest, the class and the band classes.
void ClassifySva(SvaSpectrum& spectrum);

// "Period(s),Sva(cm/s),NS(cm/s),EW(cm/s),Band,Class" and one line a period, "%.6g", CR LF; a
// spectrum made with a re-derived filter begins with a line that says so.
std::string FormatSvaCsv(const SvaSpectrum& spectrum, double dt);
// The agency's name of a class: "長周期地震動階級3"; translated, in the windows' language (files
// keep the agency's name).
std::string LongPeriodClassName(int long_period_class, bool translated);
// What the window and the CSVs say of a filter designed for another rate than 100 Hz.
std::string RederivedFilterNote(double dt);

}  // namespace tremora
