// The main window's load of a Hiroshima City record (three component files sharing a stem, or one).

#include <utility>

#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"
#include "wave/HiroshimaRecordLoad.h"

namespace tremora {

namespace {

// %s: the first partner file not found, named in the letter case of the picked file.
constexpr CoreMessage kMissingPartnerMessage{
    Tr("TForm1", "対になる３成分データファイルが揃っていません\n\nデータファイル %s がありません   ")};
constexpr CoreMessage kUnknownHrsmStationMessage{
    Tr("TForm1",
       "この観測点コードは登録されおりません　　　　　\n\n"
       "データファイルの形式が広島市消防局と異なっている恐れがあります　　　\n")};
constexpr CoreMessage kNoDataText{Tr("TForm1", "データなし")};

}  // namespace

void TForm1::LoadHiroshimaRecord() {
  const std::optional<std::string> picked = ChooseRecordFiles();
  if (picked && !OfferDetectedFormat(*picked)) LoadHiroshimaRecord(*picked);
}

void TForm1::LoadHiroshimaRecord(const std::string& path) {
  // The two loads share the open dialog: a bundle picked here holds K-NET / KiK-net records, and a
  // JMA CSV file is told by its content whatever format the menu names.
  if (IsBundleName(path) || IsSelfContainedRecordFile(path)) {
    LoadKnetRecord(path);
    return;
  }
  if (DetectRecordFormatOfFile(path) == RecordFormat::PeerAt2) {
    LoadPeerAt2Record({path});
    return;
  }
  const auto refuse = [&](const std::string& text, MessageIcon icon) {
    CurrentPlatform().ShowMessage(text, kStationFileCaption, MessageButtons::Ok, icon);
  };

  // Everything is read and checked into a record of its own; the record on screen is replaced
  // only once that succeeded.
  HiroshimaLoadResult read;
  try {
    read = ReadHiroshimaRecord(Stations, path, CB3Compo->Checked());
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    refuse(error.what(), MessageIcon::Exclamation);
    return;
  }
  if (!read.record) {
    refuse(FormatC(kMissingPartnerMessage.Now().c_str(), read.missing_partner.c_str()), MessageIcon::None);
    return;
  }
  std::swap(Record, *read.record);

  Label13->SetCaption(Record.Header.StationCode);
  Label23->SetCaption(Record.CurrentStation.Name);
  Label24->SetCaption(Record.CurrentStation.Address);
  Label25->SetCaption(Record.CurrentStation.Extra2);  // the Hiroshima table has none: cleared
  if (!read.station_found) ShowWarning(kUnknownHrsmStationMessage, kUnknownStationCaption);
  Label28->SetCaption(FormatC("%s %s", Record.Header.RecordDate.c_str(), Record.Header.RecordTime.c_str()));
  Label30->SetCaption(FormatC("%d", Record.Header.SamplingRate));

  FinishLoad();
  RememberOpened(path);
  WriteHiroshimaHeaderGaps();
  BtnWaveClick();
  ShowReadWarnings(read.warnings);
}

// A Hiroshima file has no origin, epicentre, depth or magnitude.
void TForm1::WriteHiroshimaHeaderGaps() {
  for (TextLabel* label : {Label6, Label7, Label8, Label9, Label10}) label->SetCaption(kNoDataText.Now());
}

}  // namespace tremora
