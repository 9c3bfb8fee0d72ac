#define TREMORA_LANES 2
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveBaseline
#define TREMORA_DISPLACEMENT_NAME DisplacementBaseline
#include "spectrum/SpectrumKernel.inl"
