#include "app/TSynthe.h"

#include <QPushButton>

#include "app/Application.h"
#include "app/Synthesis.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"
#include "record/SaveFolder.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

namespace {

// The status line is remembered with its caption, so a change of language rewrites it.
constexpr TrText kChoosePrompt = Tr("TSynthe", "出力ファイルボタンを押してファイル名を設定してください");
constexpr TrText kExecutePrompt = Tr("TSynthe", "実行ボタンを押してください");
constexpr TrText kWrittenStatus = Tr("TSynthe", "ファイルに出力しました");

}  // namespace

TSynthe::TSynthe(Application& application)
    : SecondaryWindow("Synthe", kSynthesisCaption, 560, 300, ColorFromBgr(9008635)), application_(application) {
  SetTitle(*this, kSynthesisTitle);
  CreateControls();
  SaveDialog1.overwrite_prompt = true;
  Edit1->OnChange = [this] { Edit1Change(); };
  ConnectClick(*Button3, [this] { Button3Click(); });
  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  Label6->SetCaption(std::string());
  Button1->setEnabled(false);
}

void TSynthe::CreateControls() {
  Label1 = new TextLabel(this, "Label1", Tr("TSynthe", "ＮＳおよびEWの２成分を合成します"), 24, 16);
  Label2 = new TextLabel(this, "Label2",
                    Tr("TSynthe", "合成波の方位角を，北を０度，東を９０度とし０～３６０度の範囲で指定してください"), 16,
                    44);
  Label3 = new TextLabel(this, "Label3", Tr("TSynthe", "方位角"), 40, 78);
  Edit1 = new EditBox(this, "Edit1", "45");
  Edit1->setGeometry(96, 74, 57, 22);
  Label4 = new TextLabel(this, "Label4", Tr("TSynthe", "度"), 160, 78);
  Label7 = new TextLabel(this, "Label7", Tr("TSynthe", "（拡張子を指定しなければ，設定された方位角が拡張子となります）"), 24,
                    112);
  Label5 = new TextLabel(this, "Label5", Tr("TSynthe", "出力ファイル名"), 24, 144);
  Label6 = new TextLabel(this, "Label6", "", 128, 144);
  Label8 = new TextLabel(this, "Label8", "", 24, 180);
  SetTextColour(*Label8, ColorFromBgr(colours::kRed));
  Button3 = MakeButton(this, "Button3", Tr("TSynthe", "出力ファイル"), {40, 228, 120, 27});
  Button1 = MakeButton(this, "Button1", Tr("TSynthe", "実行"), {220, 228, 90, 27});
  Button2 = MakeButton(this, "Button2", Tr("TSynthe", "閉じる"), {370, 228, 90, 27});
}

void TSynthe::SetDefaultName() {
  const RecordSet& record = application_.Form1().Record;
  const int azimuth = Edit1->IntValue();
  SaveDialog1.default_name = DefaultSynthesisName(record.ComponentPaths[0], azimuth);
  SaveDialog1.default_extension = AzimuthExtension(azimuth);
  // The dialog opens where the last synthesis went, else beside the record.
  SaveDialog1.initial_folder = SaveDialogFolder(LastOutputFolder, record);
}

void TSynthe::PrepareForRecord() {
  SetDefaultName();
  SetText(*Label8, kChoosePrompt);
}

void TSynthe::Edit1Change() { SaveDialog1.default_extension = AzimuthExtension(Edit1->IntValue()); }

bool TSynthe::RefusedName(const std::string& path, int azimuth) {
  switch (CheckSynthesisName(path, azimuth)) {
    case SynthesisNameCheck::TooLong:
      ShowWarning(FormatC(Translate("TSynthe",
                                    "出力ファイル名が長すぎます（%d 文字）\n\n"
                                    "フォルダーを含めて %d 文字以内のファイル名を指定してください")
                              .c_str(),
                          PathCharacters(path), kSynthesisPathLimit),
                  Translate("TSynthe", "ファイル名エラー"));
      return true;
    case SynthesisNameCheck::BadExtension:
      CurrentPlatform().ShowMessage(Translate("TSynthe", "ファイル名に付けられた拡張子が不正です"),
                                    Translate("TSynthe", "ファイル拡張子エラー"), MessageButtons::Ok,
                                    MessageIcon::Exclamation);
      return true;
    case SynthesisNameCheck::ExtensionDiffers:
      if (CurrentPlatform().ShowMessage(Translate("TSynthe", "拡張子が方位角を表していませんが，この名前でよろしいですか？"),
                                        Translate("TSynthe", "ファイル拡張子"), MessageButtons::OkCancel,
                                        MessageIcon::Question) != MessageAnswer::Ok) {
        return true;
      }
      break;
    case SynthesisNameCheck::Accepted: break;
  }
  return RefusedAsRecordFile(application_.Form1().Record, path);
}

void TSynthe::Button3Click() {
  SetDefaultName();
  // A name without extension gets the azimuth's.
  const std::optional<std::string> chosen = ChooseSaveTarget(SaveDialog1);
  if (!chosen) return;
  const std::string path = *chosen;
  Label6->SetCaption(path);
  OutputPath = path;
  // After a failed write both buttons are enabled: a refused new choice must not be written.
  Button1->setEnabled(false);
  if (RefusedName(path, Edit1->IntValue())) return;
  Button1->setEnabled(true);
  Button3->setEnabled(false);
  SetText(*Label8, kExecutePrompt);
}

void TSynthe::Button1Click() {
  const RecordSet& record = application_.Form1().Record;
  const int azimuth = Edit1->IntValue();
  // The main window may have loaded another record since the choice, perhaps of one component.
  if (!record.RecordLoaded || record.ChannelCount != 3) {
    ShowWarning(Translate("TSynthe", "合成には NS・EW・UD の３成分を読み込んだデータが必要です"),
                Translate("TSynthe", "データファイルエラー"));
    return;
  }
  if (RefusedAsRecordFile(record, OutputPath)) return;
  try {
    WriteSynthesis(record, azimuth, OutputPath);
  } catch (const FileAccessError& error) {
    FailedWrite(error.what());
    return;
  } catch (const RecordFormatError& error) {
    FailedWrite(error.what());
    return;
  }
  LastOutputFolder = FolderOf(OutputPath);
  SetText(*Label8, kWrittenStatus);
  Button1->setEnabled(false);
  Button3->setEnabled(true);
}

void TSynthe::FailedWrite(const std::string& message) {
  ShowWarning(message, Translate("TSynthe", "ファイル書込みエラー"));
  // Another file may be chosen, or the same written again once the cause is gone.
  Button3->setEnabled(true);
}

void TSynthe::Button2Click() { close(); }

}  // namespace tremora
