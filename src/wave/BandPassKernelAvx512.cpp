#define TREMORA_LANES 8
#define TREMORA_FILTER_NAME FilterAvx512
#include "wave/BandPassKernel.inl"
