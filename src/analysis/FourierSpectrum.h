#pragma once
// Fourier amplitude spectra of the displayed acceleration section: per component the mean
// removed, a cosine taper over 5 % of the section at each end, zeros padded to the next power of
// two N, and |X(f)| * dt (gal s) at f = k / (N dt) for k = 1 .. N / 2; optionally smoothed with a
// Parzen window of a given band width.

#include <string>
#include <vector>

#include "record/RecordSet.h"

namespace tremora {

// The band widths offered for smoothing (Hz); 0 is none.
inline constexpr double kFourierBandWidths[] = {0.05, 0.1, 0.2, 0.4};

// The section as transformed: mean removed, tapered, padded with zeros to a power of two.
std::vector<double> TaperedSection(const float* samples, int count);
// |X_k| * dt for k = 0 .. N / 2 of a series of power-of-two length N (FFTW, plans kept per length).
std::vector<double> AmplitudeSpectrum(const std::vector<double>& series, double dt);

// The Parzen spectral window of band width b (Hz): W(f) = 3/4 u (sin(pi u f / 2) / (pi u f / 2))^4
// with u = 280 / (151 b); its area is 1.
double ParzenWindow(double frequency, double band_width);
// amplitudes (one every df Hz) averaged with the window's weights out to the fourth zero of W;
// near the ends the weights that remain are scaled to sum to 1.
std::vector<double> ParzenSmooth(const std::vector<double>& amplitudes, double df, double band_width);

struct FourierSpectra {
  std::vector<double> Frequencies;               // Hz, first non-zero to Nyquist
  std::vector<std::vector<double>> Amplitudes;   // [channel][frequency], gal s
  std::vector<std::string> Components;
};

// Of record.Acceleration[c][start .. start + count) for every loaded channel; band_width 0 for
// no smoothing.
FourierSpectra ComputeFourierSpectra(const RecordSet& record, int start, int count, double band_width);

// "Frequency(Hz),NS,EW,UD" and one line a frequency, values "%.6g"; lines end with CR LF.
std::string FormatFourierCsv(const FourierSpectra& spectra);

}  // namespace tremora
