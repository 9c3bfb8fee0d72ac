#include "app/TSynthe.h"

#include <QPushButton>

#include "app/Application.h"
#include "app/Synthesis.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/WindowStyle.h"
#include "record/SaveFolder.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

namespace {

constexpr const char* kChoosePrompt = "出力ファイルボタンを押してファイル名を設定してください";
constexpr const char* kExecutePrompt = "実行ボタンを押してください";
constexpr const char* kWrittenStatus = "ファイルに出力しました";
constexpr const char* kWriteFailedCaption = "ファイル書込みエラー";

TextLabel* AddLabel(QWidget* parent, const char* name, const char* caption, int x, int y) {
  return new TextLabel(parent, name, QString::fromUtf8(caption), x, y);
}

}  // namespace

TSynthe::TSynthe(Application& application)
    : SecondaryWindow("Synthe", kSynthesisCaption, 560, 300, ColorFromBgr(9008635)), application_(application) {
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
  Label1 = AddLabel(this, "Label1", "ＮＳおよびEWの２成分を合成します", 24, 16);
  Label2 = AddLabel(this, "Label2", "合成波の方位角を，北を０度，東を９０度とし０～３６０度の範囲で指定してください", 16, 44);
  Label3 = AddLabel(this, "Label3", "方位角", 40, 78);
  Edit1 = new EditBox(this, "Edit1", "45");
  Edit1->setGeometry(96, 74, 57, 22);
  Label4 = AddLabel(this, "Label4", "度", 160, 78);
  Label7 = AddLabel(this, "Label7", "（拡張子を指定しなければ，設定された方位角が拡張子となります）", 24, 112);
  Label5 = AddLabel(this, "Label5", "出力ファイル名", 24, 144);
  Label6 = AddLabel(this, "Label6", "", 128, 144);
  Label8 = AddLabel(this, "Label8", "", 24, 180);
  SetTextColour(*Label8, ColorFromBgr(colours::kRed));
  Button3 = MakeButton(this, "Button3", "出力ファイル", {40, 228, 120, 27});
  Button1 = MakeButton(this, "Button1", "実行", {220, 228, 90, 27});
  Button2 = MakeButton(this, "Button2", "閉じる", {370, 228, 90, 27});
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
  Label8->SetCaption(kChoosePrompt);
}

void TSynthe::Edit1Change() { SaveDialog1.default_extension = AzimuthExtension(Edit1->IntValue()); }

bool TSynthe::RefusedName(const std::string& path, int azimuth) {
  switch (CheckSynthesisName(path, azimuth)) {
    case SynthesisNameCheck::TooLong:
      ShowWarning(FormatC("出力ファイル名が長すぎます（%d 文字）\n\n"
                          "フォルダーを含めて %d 文字以内のファイル名を指定してください",
                          PathCharacters(path), kSynthesisPathLimit),
                  "ファイル名エラー");
      return true;
    case SynthesisNameCheck::BadExtension:
      CurrentPlatform().ShowMessage("ファイル名に付けられた拡張子が不正です", "ファイル拡張子エラー", MessageButtons::Ok,
                                    MessageIcon::Exclamation);
      return true;
    case SynthesisNameCheck::ExtensionDiffers:
      if (CurrentPlatform().ShowMessage("拡張子が方位角を表していませんが，この名前でよろしいですか？", "ファイル拡張子",
                                        MessageButtons::OkCancel, MessageIcon::Question) != MessageAnswer::Ok) {
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
  Label8->SetCaption(kExecutePrompt);
}

void TSynthe::Button1Click() {
  const RecordSet& record = application_.Form1().Record;
  const int azimuth = Edit1->IntValue();
  // The main window may have loaded another record since the choice, perhaps of one component.
  if (!record.RecordLoaded || record.ChannelCount != 3) {
    ShowWarning("合成には NS・EW・UD の３成分を読み込んだデータが必要です", "データファイルエラー");
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
  Label8->SetCaption(kWrittenStatus);
  Button1->setEnabled(false);
  Button3->setEnabled(true);
}

void TSynthe::FailedWrite(const std::string& message) {
  ShowWarning(message, kWriteFailedCaption);
  // Another file may be chosen, or the same written again once the cause is gone.
  Button3->setEnabled(true);
}

void TSynthe::Button2Click() { close(); }

}  // namespace tremora
