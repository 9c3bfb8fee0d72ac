#pragma once
// Instruction sets the fast numeric kernels are built for, chosen at run time so that the program
// still runs on any x86-64.

namespace tremora {

enum class SimdLevel { Baseline, Avx2, Avx512 };

// The best level this CPU supports.
SimdLevel DetectSimdLevel();
// True when this CPU can run kernels built for level.
bool SimdLevelSupported(SimdLevel level);
const char* SimdLevelName(SimdLevel level);

}  // namespace tremora
