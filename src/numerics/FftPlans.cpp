#include "numerics/FftPlans.h"

#include <fftw3.h>

#include <cassert>
#include <map>
#include <mutex>
#include <new>
#include <string>
#include <utility>

namespace tremora {

namespace {

enum class Direction { RealToSpectrum, SpectrumToReal };

// Planning costs more than a transform: a plan is made once for each direction and length, with
// FFTW_ESTIMATE (no trial runs, the same plan on every run, so results do not vary between runs).
fftw_plan PlanFor(Direction direction, int length) {
  assert(length > 0);
  static std::mutex planner;
  static std::map<std::pair<Direction, int>, fftw_plan> plans;
  const std::lock_guard<std::mutex> lock(planner);
  fftw_plan& plan = plans[{direction, length}];
  if (plan == nullptr) {
    FftRealBuffer real = AllocateFftReal(static_cast<std::size_t>(length));
    FftComplexBuffer spectrum = AllocateFftComplex(static_cast<std::size_t>(length) / 2 + 1);
    fftw_complex* complex = reinterpret_cast<fftw_complex*>(spectrum.get());
    plan = direction == Direction::RealToSpectrum
               ? fftw_plan_dft_r2c_1d(length, real.get(), complex, FFTW_ESTIMATE)
               : fftw_plan_dft_c2r_1d(length, complex, real.get(), FFTW_ESTIMATE);
    if (plan == nullptr) throw FftPlanError("FFTW made no plan for a transform of length " + std::to_string(length));
  }
  return plan;
}

void* AllocateFft(std::size_t bytes) {
  void* memory = fftw_malloc(bytes > 0 ? bytes : 1);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

}  // namespace

void FftwFree::operator()(void* memory) const { fftw_free(memory); }

FftRealBuffer AllocateFftReal(std::size_t count) {
  return FftRealBuffer(static_cast<double*>(AllocateFft(count * sizeof(double))));
}

FftComplexBuffer AllocateFftComplex(std::size_t count) {
  return FftComplexBuffer(static_cast<std::complex<double>*>(AllocateFft(count * sizeof(std::complex<double>))));
}

void RealToSpectrum(int length, double* in, std::complex<double>* out) {
  fftw_execute_dft_r2c(PlanFor(Direction::RealToSpectrum, length), in, reinterpret_cast<fftw_complex*>(out));
}

void SpectrumToReal(int length, std::complex<double>* in, double* out) {
  fftw_execute_dft_c2r(PlanFor(Direction::SpectrumToReal, length), reinterpret_cast<fftw_complex*>(in), out);
}

}  // namespace tremora
