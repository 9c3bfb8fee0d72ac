#pragma once
// The spectrum CSV: for every loaded channel and each response kind (SA, SV, SD) a block of 109
// lines: station, origin date and time, component, kind, a header with the five damping ratios,
// 100 rows "period,frequency" and the five spectral values, three empty lines. Lines end with
// CR LF. Spectra of the exact method have one more line after the kind: "Method,exact
// (Nigam-Jennings)".

#include <string>

#include "record/RecordSet.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"
#include "spectrum/SpectrumSource.h"

namespace tremora {

// "SA", "SV", "SD".
const char* ResponseLabel(int kind);

// The labels and the ratios come from what the spectra were computed from.
std::string FormatSpectrumCsv(const SpectrumSource& source, const PeriodGrid& grid, const SpectrumSet& spectra);

// The same for spectra just computed from record with ratios and method.
std::string FormatSpectrumCsv(const RecordSet& record, const PeriodGrid& grid, const DampingRatios& ratios,
                              const SpectrumSet& spectra, SpectrumMethod method = SpectrumMethod::LinearAcceleration);

// Writes it to path; throws FileAccessError when the file cannot be written (and leaves none).
void WriteSpectrumCsv(const std::string& path, const SpectrumSource& source, const PeriodGrid& grid,
                      const SpectrumSet& spectra);
void WriteSpectrumCsv(const std::string& path, const RecordSet& record, const PeriodGrid& grid,
                      const DampingRatios& ratios, const SpectrumSet& spectra,
                      SpectrumMethod method = SpectrumMethod::LinearAcceleration);

}  // namespace tremora
