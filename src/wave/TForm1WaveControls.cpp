// The waveform controls of the main window's panel. Each keeps its state in itself and asks for a
// complete redraw (BtnWaveClick), which reads all of them again.

#include <QGroupBox>
#include <QPushButton>

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {

// The start edit refuses a start that leaves fewer than this many samples per item of RGTime
// (500 for 5 s ... 3000 for 250 s), whatever the sampling rate.
constexpr int kStartMarginPerTimeItem = 500;

QGroupBox* MakeGroup(QWidget* parent, const char* name, TrText caption, QRect geometry, TrText hint) {
  auto* group = new QGroupBox(parent);
  SetText(*group, caption);
  group->setObjectName(name);
  group->setGeometry(geometry);
  SetHint(*group, hint);
  return group;
}

CheckBox* MakeCheck(QWidget* parent, const char* name, TrText caption, int x, int y, bool checked) {
  auto* box = new CheckBox(parent, name, caption, checked);
  box->move(x, y);
  box->adjustSize();
  return box;
}

EditBox* MakeEdit(QWidget* parent, const char* name, const char* text, QRect geometry) {
  auto* edit = new EditBox(parent, name, QString::fromUtf8(text));
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace

void TForm1::CreateWaveControls() {
  QWidget* panel = Panel1;
  GroupBox1 = MakeGroup(panel, "GroupBox1", Tr("TForm1", "波形表示開始点"), {2, 24, 203, 78}, Tr("TForm1", "波形表示開始点設定"));
  CBAutoStart = MakeCheck(GroupBox1, "CBAutoStart", Tr("TForm1", "自動"), 10, 20, true);
  EdStart = MakeEdit(GroupBox1, "EdStart", "1400", {80, 18, 70, 21});
  EdStart->setEnabled(false);
  TrackBar1 = new TrackBar(GroupBox1, "TrackBar1", 0, 10000, 1000);
  TrackBar1->setGeometry(6, 44, 191, 28);
  TrackBar1->setEnabled(false);

  // The widths are numbers and units, the same in every language.
  RGTime = new RadioGroup(panel, "RGTime", QString(), {"  5 s", " 10 s", " 25 s", " 50 s", "100 s", "250 s"}, 3, 3);
  SetText(*RGTime, Tr("TForm1", "時間軸目盛"));
  RGTime->setGeometry(2, 104, 203, 60);
  SetHint(*RGTime, Tr("TForm1", "波形表示時間幅"));

  GroupBox2 = MakeGroup(panel, "GroupBox2", Tr("TForm1", "振幅軸目盛"), {2, 166, 203, 68}, Tr("TForm1", "振幅軸目盛りの設定"));
  CBAmp = MakeCheck(GroupBox2, "CBAmp", Tr("TForm1", "自動"), 10, 18, true);
  CB1ch = MakeCheck(GroupBox2, "CB1ch", Tr("TForm1", "1ch指定"), 80, 18, false);
  CB1ch->setEnabled(false);
  Label17 = new TextLabel(GroupBox2, "Label17", "1", 8, 44);
  EdAmp0 = MakeEdit(GroupBox2, "EdAmp0", "400", {20, 41, 42, 21});
  Label18 = new TextLabel(GroupBox2, "Label18", "2", 72, 44);
  EdAmp1 = MakeEdit(GroupBox2, "EdAmp1", "400", {84, 41, 42, 21});
  Label19 = new TextLabel(GroupBox2, "Label19", "3", 136, 44);
  EdAmp2 = MakeEdit(GroupBox2, "EdAmp2", "400", {148, 41, 42, 21});

  RGWave = new RadioGroup(panel, "RGWave", Tr("TForm1", "波形"),
                          {Tr("TForm1", "加速度"), Tr("TForm1", "速　 度"), Tr("TForm1", "変　 位")}, 1, 0);
  RGWave->setGeometry(2, 236, 100, 72);
  RGCompo = new RadioGroup(panel, "RGCompo", Tr("TForm1", "成分"),
                           {Tr("TForm1", " ＮＳ"), Tr("TForm1", " ＥＷ"), Tr("TForm1", " ＵＤ")}, 1, 0);
  RGCompo->setGeometry(105, 236, 100, 72);
  RGCompo->setEnabled(false);

  CBWave = MakeCheck(panel, "CBWave", Tr("TForm1", "波形/成分"), 8, 312, true);
  CBWave->setEnabled(false);
  SetHint(*CBWave, Tr("TForm1", "波形/成分表示の選択"));
  CBTitle = MakeCheck(panel, "CBTitle", Tr("TForm1", "タイトル"), 8, 332, true);
  CBMax = MakeCheck(panel, "CBMax", Tr("TForm1", "最大値"), 105, 332, true);
  CBDataCount = MakeCheck(panel, "CBDataCount", Tr("TForm1", "ﾃﾞｰﾀｶｳﾝﾄ"), 8, 352, true);
  CBMaxPnt = MakeCheck(panel, "CBMaxPnt", Tr("TForm1", "最大位置"), 105, 352, true);
  CBDC = MakeCheck(panel, "CBDC", Tr("TForm1", "DC除去"), 8, 372, true);

  RGTime->OnClick = [this] { RGTimeClick(); };
  CBAmp->OnClick = [this] { CBAmpClick(); };
  TrackBar1->OnChange = [this] { TrackBar1Change(); };
  EdStart->OnChange = [this] { EdStartChange(); };
  CBTitle->OnClick = [this] { CBTitleClick(); };
  CBMax->OnClick = [this] { CBMaxClick(); };
  CBAutoStart->OnClick = [this] { CBAutoStartClick(); };
  RGWave->OnClick = [this] { RGWaveClick(); };
  CBDataCount->OnClick = [this] { CBDataCountClick(); };
  CBMaxPnt->OnClick = [this] { CBMaxPntClick(); };
  CBDC->OnClick = [this] { CBDCClick(); };
  CBWave->OnClick = [this] { CBWaveClick(); };
  RGCompo->OnClick = [this] { RGCompoClick(); };
}

void TForm1::RGTimeClick() { BtnWaveClick(); }

void TForm1::CBAmpClick() {
  BtnWaveClick();
  CB1ch->setEnabled(!CBAmp->Checked());
}

void TForm1::TrackBar1Change() {
  StartControlBusy = true;
  EdStart->SetText(FormatC("%d", TrackBar1->Position()));
  BtnWaveClick();
}

void TForm1::EdStartChange() {
  StartControlBusy = true;
  if (EdStart->Text().empty()) return;
  const int start = EdStart->IntValue();
  const int limit = Record.SampleCount - (RGTime->ItemIndex() + 1) * kStartMarginPerTimeItem;
  if (start > limit) {
    ShowWarning(Translate("TForm1", "開始点番号が大きすぎます"), Translate("TForm1", "開始点番号エラー"));
    return;
  }
  // A new position copies itself back into EdStart and redraws (TrackBar1Change).
  TrackBar1->SetPosition(start);
}

void TForm1::CBTitleClick() { BtnWaveClick(); }

void TForm1::CBMaxClick() { BtnWaveClick(); }

void TForm1::CBAutoStartClick() {
  const bool automatic = CBAutoStart->Checked();
  EdStart->setEnabled(!automatic);
  TrackBar1->setEnabled(!automatic);
  // Unchecked: the next redraw starts where EdStart says, which holds the last automatic start.
  if (automatic) BtnWaveClick();
}

void TForm1::RGWaveClick() { BtnWaveClick(); }

void TForm1::CBDataCountClick() { BtnWaveClick(); }

void TForm1::CBMaxPntClick() { BtnWaveClick(); }

void TForm1::CBDCClick() {
  // The mean is removed while the file is read, so a change needs the record read again.
  ShowWarning(CBDC->Checked() ? Translate("TForm1", "DC成分を除去するためには，ファイルデータの再読込が必要です")
                              : Translate("TForm1", "DC成分を除去しないためには，ファイルデータの再読込が必要です"),
              Translate("TForm1", "ファイル再読込"));
  BtnFileClick();
}

void TForm1::CBWaveClick() {
  if (CBWave->Checked()) {
    // Component mode: one quantity for every channel, one scale for all.
    RGWave->setEnabled(true);
    RGCompo->setEnabled(false);
    EdAmp0->SetText("400");
    EdAmp1->SetText("400");
    EdAmp2->SetText("400");
    BtnCsv->setEnabled(true);
  } else {
    // One component as acceleration, velocity and displacement, each with its own full scale.
    RGWave->setEnabled(false);
    EdAmp0->SetText("400");
    EdAmp1->SetText("100");
    EdAmp2->SetText("10");
    RGCompo->setEnabled(Record.ChannelCount > 1);
    BtnCsv->setEnabled(false);
  }
  BtnWaveClick();
}

void TForm1::RGCompoClick() { BtnWaveClick(); }

void TForm1::BtnSpectClick() {
  TSpect& spect = application_.Spect();
  spect.BtnCalcClick();
  spect.show();
  spect.raise();
}

}  // namespace tremora
