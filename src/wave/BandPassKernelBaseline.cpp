#define TREMORA_LANES 2
#define TREMORA_FILTER_NAME FilterBaseline
#include "wave/BandPassKernel.inl"
