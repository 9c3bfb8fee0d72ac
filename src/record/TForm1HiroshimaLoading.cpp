// The main window's load of a Hiroshima City record (three component files sharing a stem, or one).

#include "app/TForm1.h"
#include "wave/WaveProcessing.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/CNumbers.h"
#include "record/Errors.h"
#include "record/HiroshimaFormat.h"
#include "record/KnetLoading.h"
#include "record/RecordNames.h"
#include "record/TextFile.h"

namespace tremora {

namespace {

constexpr const char* kMissingPartnerMessage = "対になる３成分データファイルが揃っていません";
constexpr const char* kFileErrorCaption = "ファイルエラー";
constexpr const char* kUnknownHrsmStationMessage =
    "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n";
constexpr const char* kNoDataText = "データなし";
constexpr const char* kComponentExtensions[kMaxChannels] = {"ns", "ew", "ud"};

// The picked file's name up to and including its first period ("/data/eq1." for "/data/eq1.ew");
// the whole path and a period when the name has none.
std::string StemWithPeriod(const std::string& path) { return SplitKnetFileName(path).base + "."; }

}  // namespace

void TForm1::LoadHiroshimaRecord() {
  const std::optional<std::string> picked = CurrentPlatform().ChooseOpenFile(OpenDialog1);
  if (!picked) return;
  const RecordNames previous(Record);
  const std::string previous_file_label = Label14->Caption();
  const auto refuse = [&](const std::string& text, MessageIcon icon) {
    previous.RestoreTo(Record);
    Label14->SetCaption(previous_file_label);
    CurrentPlatform().ShowMessage(text, kFileErrorCaption, MessageButtons::Ok, icon);
  };

  const std::string& path = *picked;
  Record.ChannelCount = CB3Compo->Checked() ? 3 : 1;
  Label14->SetCaption(path);
  Record.ComponentPaths[0] = path;
  const std::string_view name = FileNameOf(path);
  Record.RecordBaseName = std::string(name.substr(0, name.find('.')));

  if (Record.ChannelCount == 3) {
    const std::string stem = StemWithPeriod(path);
    for (int ch = 0; ch < kMaxChannels; ++ch) {
      const std::string derived = stem + kComponentExtensions[ch];
      const std::optional<std::string> found = FindWithExtensionInAnyCase(derived);
      if (!found) {
        refuse(kMissingPartnerMessage, MessageIcon::None);
        return;
      }
      Record.ComponentPaths[ch] = *found;
    }
  }

  HiroshimaHeader header;
  try {
    header = ReadHiroshimaHeader(Record.ComponentPaths[0], Stations);
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    refuse(error.what(), MessageIcon::Exclamation);
    return;
  }
  ApplyHiroshimaHeader(Record, header);
  Label13->SetCaption(header.StationCode);
  if (header.Station != nullptr) {
    Label23->SetCaption(header.Station->Name);
    Label24->SetCaption(header.Station->Address);
    Label25->SetCaption(header.Station->Extra2);
  } else {
    ShowWarning(kUnknownHrsmStationMessage, kUnknownStationCaption);
    Label23->SetCaption(std::string());
    Label24->SetCaption(std::string());
    Label25->SetCaption(std::string());
  }
  Label28->SetCaption(FormatC("%s %s", Record.Header.RecordDate.c_str(), Record.Header.RecordTime.c_str()));
  Label30->SetCaption(FormatC("%d", Record.Header.SamplingRate));
  DesignRecordFilter(Record);

  try {
    ReadHiroshimaChannels(Record);
  } catch (const FileAccessError& error) {
    // The samples are partly overwritten: nothing trustworthy is left to draw.
    ForgetRecord();
    ShowWarning(error.what(), kFileErrorCaption);
    return;
  }
  FinishLoad();
  for (TextLabel* label : {Label6, Label7, Label8, Label9, Label10}) label->SetCaption(kNoDataText);
  BtnWaveClick();
}

}  // namespace tremora
