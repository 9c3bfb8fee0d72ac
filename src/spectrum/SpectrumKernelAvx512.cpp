#define TREMORA_LANES 8
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveAvx512
#define TREMORA_DISPLACEMENT_NAME DisplacementAvx512
#include "spectrum/SpectrumKernel.inl"
