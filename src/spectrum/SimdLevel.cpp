#include "spectrum/SimdLevel.h"

namespace tremora {

bool SimdLevelSupported(SimdLevel level) {
  __builtin_cpu_init();
  switch (level) {
    case SimdLevel::Avx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("avx512dq");
    case SimdLevel::Avx2:
      return __builtin_cpu_supports("avx2");
    case SimdLevel::Baseline:
      return true;
  }
  return false;
}

SimdLevel DetectSimdLevel() {
  static const SimdLevel level = SimdLevelSupported(SimdLevel::Avx512) ? SimdLevel::Avx512
                                 : SimdLevelSupported(SimdLevel::Avx2) ? SimdLevel::Avx2
                                                                       : SimdLevel::Baseline;
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
