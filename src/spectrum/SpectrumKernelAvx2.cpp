#define TREMORA_LANES 4
#define TREMORA_SOLVER_VECTORS 4
#define TREMORA_SOLVER_NAME SolveAvx2
#define TREMORA_DISPLACEMENT_NAME DisplacementAvx2
#include "spectrum/SpectrumKernel.inl"
