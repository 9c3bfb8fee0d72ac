// The main window's file command, the K-NET / KiK-net load and the update after every load.

#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "analysis/TLongPeriod.h"
#include "analysis/TMetrics.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"
#include "spectrum/TSpect.h"
#include "wave/RecordFileLoad.h"
#include "wave/TWait.h"

namespace tremora {

namespace {
constexpr CoreMessage kReadingMessage{Tr("TForm1", "地震波形データを読み込んでいます・・・・")};
constexpr CoreMessage kReadWarningsCaption{Tr("TForm1", "データファイルの警告")};
}  // namespace

void TForm1::BtnFileClick() {
  if (Hiroshima->isChecked()) {
    LoadHiroshimaRecord();
  } else {
    LoadKnetRecord();
  }
}

void TForm1::LoadKnetRecord() {
  const std::optional<std::string> picked = ChooseRecordFiles();
  if (picked && !OfferDetectedFormat(*picked)) LoadKnetRecord(*picked);  // a bundle opens its station chooser
}

void TForm1::LoadKnetRecord(const std::string& picked) {
  if (IsBundleName(picked)) {
    OpenBundleFile(picked);
    return;
  }
  if (DetectRecordFormatOfFile(picked) == RecordFormat::PeerAt2) {
    LoadPeerAt2Record({picked});
    return;
  }
  LoadKnetFiles(picked, nullptr);
}

// A K-NET / KiK-net file, or a JMA CSV file, which the content tells apart (ReadRecordFile).
void TForm1::LoadKnetFiles(const std::string& picked, const Bundle* bundle) {
  // Messages name a bundle's files as "BUNDLE:MEMBER", never by the private folder they were read from.
  const auto shown = [bundle](const std::string& text) { return bundle != nullptr ? bundle->Shown(text) : text; };
  TWait& wait = application_.Wait();
  KnetLoadRequest request;
  request.path = picked;
  request.three_components = CB3Compo->Checked();
  request.remove_mean = CBDC->Checked();
  request.bundle_path = bundle != nullptr ? bundle->path : std::string();
  request.reading_started = [&wait] { wait.ShowWith(kReadingMessage); };

  // Everything is read and checked into a record of its own; the record on screen is replaced
  // only once that succeeded, so every refusal leaves it whole.
  KnetLoadResult read;
  try {
    read = ReadRecordFile(Stations, request);
  } catch (const RecordFormatError& error) {
    wait.Close();
    ShowWarning(shown(error.what()), kDataFileCaption);
    return;
  } catch (const FileAccessError& error) {
    // A missing partner, or a picked file that is no record.
    wait.Close();
    ShowWarning(shown(FormatC(kMissingDataFileMessage.Now().c_str(), error.path().c_str())), kDataFileCaption);
    return;
  }
  if (read.outcome == KnetLoadOutcome::BadFileName) {
    ShowWarning(kBadFileNameMessage, kBadFileNameCaption);
    return;
  }
  std::swap(Record, *read.record);

  const KnetHeaderLabels& labels = read.labels;
  Label30->SetCaption(labels.SamplingRate);
  Label28->SetCaption(labels.Duration);
  Label6->SetCaption(labels.OriginTime);
  Label7->SetCaption(labels.Latitude);
  Label8->SetCaption(labels.Longitude);
  Label9->SetCaption(labels.Depth);
  Label10->SetCaption(labels.Magnitude);
  Label13->SetCaption(labels.StationCode);
  if (read.outcome == KnetLoadOutcome::Loaded) {
    Label23->SetCaption(Record.CurrentStation.Name);
    Label24->SetCaption(Record.CurrentStation.Address);
    Label25->SetCaption(Record.CurrentStation.Extra2);
  } else {
    ShowWarning(kUnknownKnetStationMessage, kUnknownStationCaption);
    Label23->SetCaption(std::string());
    Label24->SetCaption(std::string());
    Label25->SetCaption(std::string());
  }

  FinishLoad();
  if (bundle == nullptr) RememberOpened(picked);
  Label14->SetCaption(shown(Label14->Caption()));
  wait.Close();
  BtnWaveClick();
  ShowReadWarnings(read.warnings, bundle);
}

void TForm1::ShowReadWarnings(const ReadWarnings& warnings, const Bundle* bundle) {
  if (warnings.empty()) return;
  const std::string text = warnings.ShownText();
  ShowWarning(bundle != nullptr ? bundle->Shown(text) : text, kReadWarningsCaption);
}

void TForm1::FinishLoad() {
  const int channels = Record.ChannelCount;
  Label12->SetCaption(FormatC("%d", Record.SampleCount));
  // One channel: the file itself; three: the record's common name without extension.
  Label14->SetCaption(channels == 1 ? Record.ComponentPaths[0] : SplitKnetFileName(Record.ComponentPaths[0]).base);
  TrackBar1->SetMax(Record.SampleCount);
  EnableRecordControls(true);
  Record.RecordLoaded = true;
  OpenDialog1.initial_folder = UserFolder(Record);
  Button3->setEnabled(channels == 3);

  TSpect& spect = application_.Spect();
  spect.ShowComponentChoices(channels, Record.ComponentNames);
  application_.Metrics().RecordLoaded();
  if (LongPeriod) LongPeriod->RecordLoaded();
  spect.RecordLoaded();
}

}  // namespace tremora
