#include "numerics/SimdLevel.h"

#include <cstdlib>
#include <string_view>

namespace tremora {

bool SimdLevelSupported(SimdLevel level) {
  __builtin_cpu_init();
  switch (level) {
    case SimdLevel::Avx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("avx512dq");
    case SimdLevel::Avx2:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case SimdLevel::Baseline:
      return true;
  }
  return false;
}

SimdLevel DetectSimdLevel() {
  // TREMORA_SIMD ("baseline", "avx2") caps the level, to compare the kernels on one machine.
  static const SimdLevel level = [] {
    const char* cap = std::getenv("TREMORA_SIMD");
    const std::string_view setting = cap != nullptr ? cap : "";
    if (setting != "baseline" && setting != "avx2" && SimdLevelSupported(SimdLevel::Avx512)) return SimdLevel::Avx512;
    if (setting != "baseline" && SimdLevelSupported(SimdLevel::Avx2)) return SimdLevel::Avx2;
    return SimdLevel::Baseline;
  }();
  return level;
}

const char* SimdLevelName(SimdLevel level) {
  switch (level) {
    case SimdLevel::Avx512: return "AVX-512";
    case SimdLevel::Avx2: return "AVX2";
    case SimdLevel::Baseline: return "x86-64";
  }
  return "?";
}

}  // namespace tremora
