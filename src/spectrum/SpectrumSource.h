#pragma once
// What a spectrum set was computed from. The set carries it, so that every title, station label,
// file header and default file name shown with the values names the record and section they
// belong to, whatever record has been loaded since.

#include <array>
#include <string>

#include "record/RecordSet.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"

namespace tremora {

struct SpectrumSource {
  std::string StationCode;      // as the record's header gives it
  StationRecord Station;        // the station table's row: code, name, address
  int ChannelCount = 0;         // channels with values; 0 before the first calculation
  std::array<std::string, kMaxChannels> ComponentNames;
  std::string OriginDate;
  std::string OriginTime;
  std::string RecordDate;
  std::string RecordTime;
  std::string RecordBaseName;   // stem of the default file names
  int StartIndex = 0;           // the section: first sample and sample count
  int SampleCount = 0;
  DampingRatios Ratios{};       // the damping multiplier's five ratios
  SpectrumMethod Method = SpectrumMethod::LinearAcceleration;
};

// The source of spectra computed from record over [start, start + count) (as far as it lies in
// the stored samples) with ratios and method.
SpectrumSource SpectrumSourceOf(const RecordSet& record, int start, int count, const DampingRatios& ratios,
                                SpectrumMethod method);

}  // namespace tremora
