#pragma once
// The one loaded earthquake record: up to three channels of acceleration from one station,
// the header values that came with them, where they came from, and the station's table row.
// Buffers are allocated once and never resized; every load writes over them.

#include <array>
#include <string>
#include <vector>

#include "base/Translation.h"
#include "record/FormatDetection.h"
#include "record/StationRecord.h"

namespace tremora {

// A channel holds at most this many samples; readers stop there.
constexpr int kChannelCapacity = 70000;
// The waveform processing works on a section 300 samples longer than it shows, which may run
// past the last stored sample; every channel buffer has room for that tail.
constexpr int kProcessingTail = 300;
constexpr int kBufferCapacity = kChannelCapacity + kProcessingTail;
constexpr int kFilterCoefficientCount = 500;
constexpr int kMaxChannels = 3;

struct RecordHeader {
  // False for a format that carries no earthquake (JMA CSV, PEER .AT2): the origin time,
  // epicentre, depth and magnitude are then unknown and shown empty.
  bool OriginKnown = true;
  std::string OriginDate;          // up to 11 characters
  std::string OriginTime;          // up to 11 characters
  float EpicentreLatitude = 0;     // degrees
  float EpicentreLongitude = 0;    // degrees
  int Depth = 0;                   // km
  float Magnitude = 0;
  std::string StationCode;         // up to 11 characters
  float StationLatitude = 0;
  float StationLongitude = 0;
  int StationHeight = 0;           // m
  std::string RecordDate;          // up to 11 characters
  std::string RecordTime;          // up to 11 characters
  int SamplingRate = 0;            // Hz
  float DurationTime = 0;          // s
  std::string Direction;           // up to 7 characters
  float ScaleFactor = 0;           // gal per count
  std::string MaxAccText;
  std::string LastCorrection;      // up to 29 characters
  std::string Memo;                // up to 32 characters
  // The event as a record without an earthquake header names it (PEER .AT2: line 2 before the
  // station, "CHI-CHI 09/20/99"); empty for K-NET and Hiroshima.
  std::string EventName;
};

// Header text limits, in characters of the networks' code page.
namespace header_width {
constexpr int kDateTime = 11;
constexpr int kStationCode = 11;
constexpr int kDirection = 7;
constexpr int kLastCorrection = 29;
constexpr int kMemo = 32;
}  // namespace header_width

using ChannelBuffer = std::vector<float>;  // kBufferCapacity floats, never resized

struct RecordSet {
  RecordSet();

  int ChannelCount = 0;   // 1 or 3 once a load has started (2 for two PEER files)
  int SampleCount = 0;    // samples per channel, 0..kChannelCapacity

  std::array<ChannelBuffer, kMaxChannels> Acceleration;  // gal
  std::array<ChannelBuffer, kMaxChannels> Velocity;      // kine (cm/s)
  std::array<ChannelBuffer, kMaxChannels> Displacement;  // cm
  ChannelBuffer WorkBuffer;
  std::array<float, kFilterCoefficientCount> FilterCoefficients{};

  // The interval between samples, set by each load from the files' own value (SetIntervalFromRate,
  // SetIntervalFromMilliseconds). SamplingInterval is its float store, taken by the filter design,
  // the integration, the section choice, the linear spectra and the indices; SampleInterval() gives
  // it in double for the time axes and the exact and Fourier spectra. Header.SamplingRate is only
  // the whole-hertz rate shown: a Hiroshima interval of 600 ms gives 1 Hz.
  float SamplingInterval = 0;  // s
  double IntervalSeconds = 0;  // s, 0 in a record set up by hand (SampleInterval then reads SamplingInterval)

  RecordHeader Header;

  std::array<std::string, kMaxChannels> ComponentNames{"NS", "EW", "UD"};
  // Each channel's direction as its own file writes it ("180", "N", "UP" of a PEER file), shown in
  // titles beside ComponentNames; empty where the channel name says it all.
  std::array<std::string, kMaxChannels> ComponentTexts;
  std::array<CoreMessage, kMaxChannels> WaveNames;  // in the language of the moment they are drawn
  std::array<std::string, kMaxChannels> ComponentPaths;
  std::string RecordBaseName;  // stem of default names for saved files
  std::string DataFolder;      // folder the record is known by (UserFolder), no trailing separator
  // A record read from a download bundle: its files were unpacked into the program's private
  // folder, so the folder the user works in is the bundle's. Empty for files on disk.
  std::string BundlePath;

  StationRecord CurrentStation;
  RecordFormat Format = RecordFormat::Unknown;  // the format the record was read from
  bool RecordLoaded = false;
};

// Formats of other agencies than the networks the program was made for (JMA CSV, PEER .AT2): their
// records carry no K-NET header, on which synthesis and station-named copies build their files.
inline bool IsForeignFormat(RecordFormat format) {
  return format == RecordFormat::JmaCsv || format == RecordFormat::PeerAt2;
}
inline constexpr CoreMessage kNeedsKnetRecordMessage{
    Tr("RecordSet",
       "この機能には K-NET / KiK-net の記録が必要です\n\n"
       "気象庁や PEER のファイルには K-NET のヘッダーがないため，ファイルを作成できません")};

// A K-NET / KiK-net file gives its sampling rate in hertz, a Hiroshima file its interval in ms.
void SetIntervalFromRate(RecordSet& record, int rate_hz);
void SetIntervalFromMilliseconds(RecordSet& record, int interval_ms);
// A PEER file gives its interval in seconds ("DT= .00500 SEC").
void SetIntervalFromSeconds(RecordSet& record, double interval_s);
// The interval between samples in seconds: every time axis and every computation in double uses it.
double SampleInterval(const RecordSet& record);

// The folder the user knows the record by: the bundle's when it came from one, else that of its
// first component file. Every default folder of a save is derived from it.
std::string UserFolder(const RecordSet& record);

// The component file of the record that path names (the same file, whatever its name), or nullptr:
// no output may be written over the record it was made from.
const std::string* RecordFileAt(const RecordSet& record, const std::string& path);

}  // namespace tremora
