// The main window's load of a Hiroshima City record (three component files sharing a stem, or one).

#include <array>

#include "app/TForm1.h"
#include "wave/WaveProcessing.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/CNumbers.h"
#include "record/Errors.h"
#include "record/HiroshimaFormat.h"
#include "record/KnetLoading.h"
#include "record/TextFile.h"

namespace tremora {

namespace {

// %s: the first partner file not found, named in the letter case of the picked file.
constexpr const char* kMissingPartnerMessage = "対になる３成分データファイルが揃っていません\n\nデータファイル %s がありません   ";
constexpr const char* kFileErrorCaption = "ファイルエラー";
constexpr const char* kUnknownHrsmStationMessage =
    "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n";
constexpr const char* kNoDataText = "データなし";

// The picked file's name up to and including its first period ("/data/eq1." for "/data/eq1.ew");
// the whole path and a period when the name has none.
std::string StemWithPeriod(const std::string& path) { return SplitKnetFileName(path).base + "."; }

}  // namespace

void TForm1::LoadHiroshimaRecord() {
  const std::optional<std::string> picked = CurrentPlatform().ChooseOpenFile(OpenDialog1);
  if (picked) LoadHiroshimaRecord(*picked);
}

void TForm1::LoadHiroshimaRecord(const std::string& path) {
  // The two loads share the open dialog: a bundle picked here holds K-NET / KiK-net records.
  if (IsBundleName(path)) {
    OpenBundleFile(path);
    return;
  }
  const auto refuse = [&](const std::string& text, MessageIcon icon) {
    CurrentPlatform().ShowMessage(text, kFileErrorCaption, MessageButtons::Ok, icon);
  };

  // Paths, files and header are all checked before anything of the record on screen changes.
  const int channels = CB3Compo->Checked() ? 3 : 1;
  std::array<std::string, kMaxChannels> paths{path};
  if (channels == 3) {
    const std::string stem = StemWithPeriod(path);
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      const std::string derived = stem + ComponentExtensionInPickedCase(path, ch);
      const std::optional<std::string> found = FindWithExtensionInAnyCase(derived);
      if (!found) {
        refuse(FormatC(kMissingPartnerMessage, derived.c_str()), MessageIcon::None);
        return;
      }
      paths[ch] = *found;
    }
  }
  HiroshimaFiles files;
  try {
    files = ReadHiroshimaFiles(paths, channels, Stations);
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    refuse(error.what(), MessageIcon::Exclamation);
    return;
  }

  Record.ChannelCount = channels;
  Record.ComponentPaths = paths;
  Record.BundlePath.clear();
  const std::string_view name = FileNameOf(path);
  Record.RecordBaseName = std::string(name.substr(0, name.find('.')));
  // The network's own component names; a single file is named after its extension.
  Record.ComponentNames = {"NS", "EW", "UD"};
  const std::string extension = SplitKnetFileName(path).extension;
  if (channels == 1 && !extension.empty()) Record.ComponentNames[0] = extension;

  const HiroshimaHeader& header = files.header;
  ApplyHiroshimaHeader(Record, header);
  Label13->SetCaption(header.StationCode);
  Label23->SetCaption(Record.CurrentStation.Name);
  Label24->SetCaption(Record.CurrentStation.Address);
  Label25->SetCaption(Record.CurrentStation.Extra2);  // the Hiroshima table has none: cleared
  if (header.Station == nullptr) ShowWarning(kUnknownHrsmStationMessage, kUnknownStationCaption);
  Label28->SetCaption(FormatC("%s %s", Record.Header.RecordDate.c_str(), Record.Header.RecordTime.c_str()));
  Label30->SetCaption(FormatC("%d", Record.Header.SamplingRate));
  DesignRecordFilter(Record);
  ReadWarnings warnings;
  StoreHiroshimaChannels(Record, files.contents, &warnings);

  FinishLoad();
  for (TextLabel* label : {Label6, Label7, Label8, Label9, Label10}) label->SetCaption(kNoDataText);
  BtnWaveClick();
  ShowReadWarnings(warnings);
}

}  // namespace tremora
