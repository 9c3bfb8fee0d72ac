#include "app/Synthesis.h"

#include <algorithm>
#include <cmath>

#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "record/KnetFormat.h"

namespace tremora {

std::string AzimuthExtension(int azimuth) { return FormatC("%03d", azimuth); }

std::string DefaultSynthesisName(std::string_view ns_path, int azimuth) {
  const std::string_view name = FileNameOf(ns_path);
  const std::string_view stem = name.substr(0, name.rfind('.'));
  return std::string(stem) + "." + AzimuthExtension(azimuth);
}

int PathCharacters(std::string_view path) {
  // Count every byte that does not continue a multi-byte character.
  return static_cast<int>(std::count_if(path.begin(), path.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

SynthesisNameCheck CheckSynthesisName(std::string_view path, int azimuth) {
  if (PathCharacters(path) > kSynthesisPathLimit) return SynthesisNameCheck::TooLong;
  const std::string_view name = FileNameOf(path);
  if (std::count(name.begin(), name.end(), '.') != 1) return SynthesisNameCheck::BadExtension;
  if (name.substr(name.find('.') + 1) != AzimuthExtension(azimuth)) return SynthesisNameCheck::ExtensionDiffers;
  return SynthesisNameCheck::Accepted;
}

float AzimuthAngle(int azimuth) {
  constexpr long double kPi = 3.141592653589793;
  return static_cast<float>(static_cast<long double>(azimuth) * (1.0L / 180.0L) * kPi);
}

std::vector<float> SynthesiseHorizontal(const float* ns, const float* ew, int count, int azimuth) {
  const long double theta = AzimuthAngle(azimuth);
  const long double c = std::cos(theta);
  const long double s = std::sin(theta);
  std::vector<float> out(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) out[i] = static_cast<float>(c * ns[i] + s * ew[i]);
  return out;
}

void WriteSynthesis(const RecordSet& record, int azimuth, const std::string& out_path) {
  const std::string& template_path = record.ComponentPaths[1];
  if (IsForeignFormat(record.Format)) throw RecordFormatError(template_path, 0, kNeedsKnetRecordMessage);
  RecordHeader ew_header;
  try {
    ew_header = ReadKnetHeader(template_path);
  } catch (const RecordFormatError& error) {
    // A Hiroshima City record has no K-NET header to copy.
    throw RecordFormatError(template_path, error.line(),
                            Translate("Synthesis", "合成波形の見出しにする EW ファイルが使えません\n\n") + error.what());
  }
  const std::vector<float> values =
      SynthesiseHorizontal(record.Acceleration[0].data(), record.Acceleration[1].data(), record.SampleCount, azimuth);
  // The counts go with the scale factor line the file carries, the EW file's: where the NS file
  // of a record has another one, the file still reads back as the synthesised accelerations.
  WriteKnetFile(out_path, template_path, values.data(), record.SampleCount, ew_header.ScaleFactor);
}

}  // namespace tremora
