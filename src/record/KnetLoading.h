#pragma once
// Loading a K-NET / KiK-net record from the one component file the user picked: the partner files
// are derived from its name, the header and samples of every file are read, and the station is
// looked up. wave/KnetRecordLoad puts these steps together; the window and the batch tool call that.

#include <string>
#include <string_view>

#include "base/Translation.h"
#include "record/KnetFormat.h"
#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora {

// The parts of a picked file's name. Only the file name is looked at: folders with periods in
// their names are common on Linux.
struct KnetFileName {
  std::string extension;  // after the name's first period, ASCII letters upper-cased ("NS2")
  std::string suffix;     // extension without its first two characters ("2" for KiK-net, "" for K-NET)
  std::string base;       // the path up to the name's first period
};
KnetFileName SplitKnetFileName(std::string_view path);

// The two letters of a channel's extension ("NS", "EW", "UD" for channels 0..2) in the letter case
// of the picked file's extension, letter by letter ("ns2" gives "ew"); lower case where the picked
// name has no letter to follow. The partner files are named so, as the user would look for them.
std::string ComponentExtensionInPickedCase(std::string_view picked_path, int channel);

// A record file name has an extension of fewer than 4 characters after its first period (or none).
bool FileNameCheck(std::string_view path);

// Sets ChannelCount, ComponentPaths and ComponentNames for the picked path. Three components:
// base + "." + the channel's extension in the picked case + the suffix as written, found whatever
// the case of the extension on disk (a partner not found keeps the name in the picked case). Returns
// FileNameCheck of the first path; when false the load must stop (the names stay changed).
bool PrepareKnetLoad(RecordSet& record, const std::string& picked_path, bool three_components);

struct KnetReadResult {
  bool station_found = false;
  KnetHeaderLabels labels;
  ReadWarnings warnings;  // where the format's rules bent the data of any file
};

// Reads the header of every file (the record's header is the first file's), looks the station up
// (K-NET table, then KiK-net), sets RecordBaseName, DataFolder (from BundlePath or the first
// component's path) and the sampling interval, and reads every channel in gal by its own file's
// scale factor (the mean removed when asked). SampleCount is the least count of the channels read.
// The filter design is the caller's. Throws FileAccessError for a file that cannot be read (a
// missing partner file included) and RecordFormatError for a file that cannot be used, or whose
// sampling rate differs from the first file's; both are thrown before the record changes.
KnetReadResult ReadKnetRecordFiles(RecordSet& record, const StationTables& stations, bool remove_mean);

// "AOM001-2018/01/24 19:51:00" without "/" and ":", then without the seconds: "AOM001-201801241951".
// The origin time, or the record's start when the file carries no earthquake.
std::string MakeRecordBaseName(const RecordHeader& header);

inline constexpr CoreMessage kBadFileNameMessage{
    Tr("KnetLoading",
       "ファイル名が正しくありません !\n多分，フォルダー名に余分なピリオドが付いていると思われます　　　　　")};
inline constexpr CoreMessage kBadFileNameCaption{Tr("KnetLoading", "ファイル名エラー")};
inline constexpr CoreMessage kUnknownKnetStationMessage{
    Tr("KnetLoading",
       "この観測点コードは登録されおりません　　　　　\n\n"
       "データファイルの形式がK-NET/KiK-netと異なっている恐れがあります　　　\n")};
inline constexpr CoreMessage kUnknownStationCaption{Tr("KnetLoading", "観測点コードエラー")};
// %s: the full path of the file.
inline constexpr CoreMessage kMissingDataFileMessage{
    Tr("KnetLoading",
       "\n３成分のデータを読み込めません\n\nデータファイル %s がありません   \n\nデータを読み込みませんでした")};
inline constexpr CoreMessage kDataFileCaption{Tr("KnetLoading", "データファイルエラー")};

}  // namespace tremora
