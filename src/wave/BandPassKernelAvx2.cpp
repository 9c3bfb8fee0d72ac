#define TREMORA_LANES 4
#define TREMORA_FILTER_NAME FilterAvx2
#include "wave/BandPassKernel.inl"
