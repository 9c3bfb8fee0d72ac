// The whole K-NET / KiK-net load from a picked file, as the main window and the command line run
// it: partner names, header, station lookup, samples of every component and the filter design.
//
// The input holds up to three files separated by lines "%%%": NS, then EW, then UD. With no
// separator the one file is loaded as a single component; with fewer than three parts the
// missing partners are absent from the folder.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "base/Errors.h"
#include "wave/KnetRecordLoad.h"

using namespace tremora;
using tremora::fuzzing::Require;
using tremora::fuzzing::ScratchFolder;
using tremora::fuzzing::SmallStationTables;

namespace {

constexpr std::string_view kSeparator = "%%%\n";
constexpr const char* kComponentFiles[kMaxChannels] = {"rec.NS", "rec.EW", "rec.UD"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder folder;
  // One record, loaded over and over, as in the program.
  static RecordSet record;

  // The parts: up to two separators, the last part takes the rest.
  std::string_view parts[kMaxChannels];
  int count = 0;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (count < kMaxChannels - 1) {
    const size_t end = rest.find(kSeparator);
    if (end == std::string_view::npos) break;
    parts[count++] = rest.substr(0, end);
    rest.remove_prefix(end + kSeparator.size());
  }
  parts[count++] = rest;
  for (int ch = 0; ch < kMaxChannels; ++ch) {
    const std::string file = folder.File(kComponentFiles[ch]);
    if (ch < count) folder.Write(file, parts[ch]);
    else folder.Remove(file);
  }
  const bool three_components = count > 1;

  try {
    const KnetLoadResult result =
        LoadKnetRecordCore(record, SmallStationTables(), folder.File(kComponentFiles[0]), three_components, true);
    Require(result.outcome != KnetLoadOutcome::BadFileName);
    Require(record.SampleCount >= 0 && record.SampleCount <= kChannelCapacity);
    Require(record.ChannelCount == (three_components ? 3 : 1));
  } catch (const RecordFormatError&) {
    // A header that cannot be used: refused with its message.
  } catch (const FileAccessError&) {
    // A missing partner: refused with its message.
  }
  return 0;
}
