// The main window's load of a PEER .AT2 record (one to three component files of one station) and
// the file command's open dialog, where those files are chosen together.

#include <utility>

#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "record/FormatDetection.h"
#include "record/KnetFormat.h"
#include "record/KnetLoading.h"
#include "wave/PeerAt2RecordLoad.h"

namespace tremora {

namespace {

// %s: the chosen file that is no .AT2 file.
constexpr CoreMessage kNotPeerAt2Message{
    Tr("TForm1",
       "%s は PEER (.AT2) のファイルではありません\n\n"
       "複数のファイルを選ぶと、一つの観測点の PEER (.AT2) の２～３成分として読み込みます")};
constexpr CoreMessage kTooManyFilesMessage{
    Tr("TForm1", "一度に選べるファイルは PEER (.AT2) の３成分までです\n\nデータを読み込みませんでした")};

}  // namespace

std::optional<std::string> TForm1::ChooseRecordFiles() {
  const std::optional<std::vector<std::string>> chosen = CurrentPlatform().ChooseOpenFiles(OpenDialog1);
  if (!chosen || chosen->empty()) return std::nullopt;
  if (chosen->size() == 1) return chosen->front();
  LoadPeerAt2Record(*chosen);
  return std::nullopt;
}

void TForm1::LoadPeerAt2Record(const std::vector<std::string>& paths) {
  if (paths.size() > static_cast<size_t>(kMaxChannels)) {
    ShowWarning(kTooManyFilesMessage, kDataFileCaption);
    return;
  }
  for (const std::string& path : paths) {
    if (DetectRecordFormatOfFile(path) != RecordFormat::PeerAt2) {
      ShowWarning(FormatC(kNotPeerAt2Message.Now().c_str(), path.c_str()), kDataFileCaption);
      return;
    }
  }
  // Read and checked into a record of its own: a refusal leaves the record on screen whole.
  PeerAt2LoadResult read;
  try {
    read = ReadPeerAt2Record(paths, CBDC->Checked());
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    ShowWarning(error.what(), kDataFileCaption);
    return;
  }
  std::swap(Record, *read.record);

  const KnetHeaderLabels labels = FormatKnetHeaderLabels(Record.Header);
  Label30->SetCaption(labels.SamplingRate);
  Label28->SetCaption(labels.Duration);
  Label13->SetCaption(labels.StationCode);
  Label23->SetCaption(Record.CurrentStation.Name);
  // The file names no origin, epicentre or station address.
  for (TextLabel* label : {Label6, Label7, Label8, Label9, Label10, Label24, Label25}) label->SetCaption(std::string());

  FinishLoad();
  BtnWaveClick();
  ShowReadWarnings(read.warnings);
}

}  // namespace tremora
