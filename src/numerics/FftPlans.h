#pragma once
// Real Fourier transforms through FFTW with one plan per kind and length, made on first use and
// kept. FFTW's planner keeps global state that is not thread-safe, so every plan of the program is
// made here under one lock; executing a plan on other arrays is safe from any thread, provided the
// arrays are aligned as fftw_malloc aligns them, which the buffers below are.

#include <complex>
#include <cstddef>
#include <memory>
#include <stdexcept>

namespace tremora {

// A plan FFTW could not make (it gives none, for example when it runs out of memory).
class FftPlanError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Arrays from fftw_malloc, freed with fftw_free; std::complex<double> is laid out as FFTW's
// complex type. Throws std::bad_alloc when there is no memory.
struct FftwFree {
  void operator()(void* memory) const;
};
using FftRealBuffer = std::unique_ptr<double[], FftwFree>;
using FftComplexBuffer = std::unique_ptr<std::complex<double>[], FftwFree>;
FftRealBuffer AllocateFftReal(std::size_t count);
FftComplexBuffer AllocateFftComplex(std::size_t count);

// The spectrum of length real values: length / 2 + 1 complex values (FFTW's r2c). in is kept.
void RealToSpectrum(int length, double* in, std::complex<double>* out);
// Back from length / 2 + 1 complex values to length real values, unnormalised (FFTW's c2r); in is
// overwritten.
void SpectrumToReal(int length, std::complex<double>* in, double* out);

}  // namespace tremora
