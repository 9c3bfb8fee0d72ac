#define TREMORA_LANES 4
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveAvx2
#include "spectrum/SpectrumKernel.inl"
