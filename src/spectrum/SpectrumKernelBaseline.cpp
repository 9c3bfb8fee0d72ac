#define TREMORA_LANES 2
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveBaseline
#include "spectrum/SpectrumKernel.inl"
