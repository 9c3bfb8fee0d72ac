#pragma once
// Horizontal component synthesis: the acceleration along one azimuth (north 0°, east 90°) from
// the NS and EW channels of a record, written as a new K-NET file with the EW file's header. The
// synthesis window and `tremora-cli synth` both write through WriteSynthesis.

#include <string>
#include <string_view>
#include <vector>

#include "record/RecordSet.h"

namespace tremora {

// The synthesis window keeps the output path in a field of 200 characters.
constexpr int kSynthesisPathLimit = 199;

// The azimuth as a file extension: "%03d" (45 gives "045").
std::string AzimuthExtension(int azimuth);

// The NS file's name without folder and extension, a period and the azimuth extension.
std::string DefaultSynthesisName(std::string_view ns_path, int azimuth);

enum class SynthesisNameCheck {
  Accepted,
  TooLong,           // more than kSynthesisPathLimit characters
  BadExtension,      // the file name holds no period or more than one
  ExtensionDiffers,  // one period, but the extension is not the azimuth's: ask the user
};
// Only the file name's periods count: folders with periods ("~/.local", "data.2024") are common.
SynthesisNameCheck CheckSynthesisName(std::string_view path, int azimuth);

// Characters of a UTF-8 path, as the user sees them.
int PathCharacters(std::string_view path);

// θ = azimuth × (1/180) × π in extended precision, stored as a float.
float AzimuthAngle(int azimuth);

// s[i] = cos θ · ns[i] + sin θ · ew[i], each stored as a float.
std::vector<float> SynthesiseHorizontal(const float* ns, const float* ew, int count, int azimuth);

// Writes the synthesised channel of a three-component record to out_path, with the 17 header
// lines of the EW file (line 15 the new peak). Throws RecordFormatError when the EW file is no
// K-NET file (a Hiroshima City record) and FileAccessError when a file cannot be read or written;
// a failed write leaves no file behind and an old file at out_path as it was.
void WriteSynthesis(const RecordSet& record, int azimuth, const std::string& out_path);

}  // namespace tremora
