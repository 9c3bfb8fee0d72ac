#pragma once
// The waveform CSV: component names, sampling rate, station and origin, units, then one row per
// displayed sample with every loaded channel's value ("%10.2f"). Lines end with CR LF.

#include <string>

#include "record/RecordSet.h"
#include "wave/WaveProcessing.h"

namespace tremora {

enum class WaveQuantity { Acceleration = 0, Velocity = 1, Displacement = 2 };

// "Gal", "kine", "cm".
const char* UnitName(WaveQuantity quantity);

// The file's text for the section as processed last: acceleration as stored from StartIndex on,
// velocity and displacement from index 0 of their buffers.
std::string FormatWaveCsv(const RecordSet& record, const DisplayedSection& section, WaveQuantity quantity);

// Writes it to path; throws FileAccessError when the file cannot be written (and leaves none).
void WriteWaveCsv(const std::string& path, const RecordSet& record, const DisplayedSection& section,
                  WaveQuantity quantity);

}  // namespace tremora
