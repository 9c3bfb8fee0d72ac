#define TREMORA_LANES 8
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveAvx512
#include "spectrum/SpectrumKernel.inl"
