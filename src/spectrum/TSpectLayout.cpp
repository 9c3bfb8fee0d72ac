// The spectrum window's controls, its creation, the handlers of its choices and the settings the
// main window's menu makes.

#include <QGroupBox>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include <QAction>

#include "app/Application.h"
#include "app/TForm1.h"
#include "base/Translation.h"
#include "graph/TSuper.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"
#include "spectrum/TSpect.h"
#include "spectrum/UpDown.h"

namespace tremora {

namespace {

constexpr std::uint32_t kBackground = 9008635;
constexpr std::uint32_t kAqua = 0xFFFF00;
constexpr std::uint32_t kGreen = 0x008000;

// RGCompo's items until the first calculation names the record's components.
constexpr std::array<TrText, kMaxChannels> kComponentItems = {Tr("TSpect", "１ (NS)"), Tr("TSpect", "２ (EW)"),
                                                              Tr("TSpect", "３ (UD)")};

QStringList DefaultComponentItems() {
  QStringList items;
  for (const TrText item : kComponentItems) items << Translated(item);
  return items;
}

QGroupBox* AddGroupBox(QWidget* parent, const char* name, TrText caption, QRect geometry) {
  auto* group = new QGroupBox(parent);
  SetText(*group, caption);
  group->setObjectName(name);
  group->setGeometry(geometry);
  return group;
}

RadioGroup* AddRadioGroup(QWidget* parent, const char* name, TrText caption, const std::vector<TrText>& items,
                          QRect geometry, int item_index) {
  auto* group = new RadioGroup(parent, name, caption, items, 1, item_index);
  group->setGeometry(geometry);
  return group;
}

// Colours a check box's caption only: its tick keeps the box's own colour, so a white caption
// still shows a visible tick.
void SetCaptionColour(QWidget& box, std::uint32_t colour) {
  QPalette palette = box.palette();
  palette.setColor(QPalette::WindowText, ColorFromBgr(colour));
  box.setPalette(palette);
}

// Damping boxes take the multiplier's captions, numbers that read alike in every language.
template <typename Caption>
CheckBox* AddCheckBox(QWidget* parent, const char* name, Caption caption, QRect geometry, bool checked) {
  auto* box = new CheckBox(parent, name, caption, checked);
  box->setGeometry(geometry);
  return box;
}

}  // namespace

TSpect::TSpect(Application& application)
    : SecondaryWindow("Spect", " K-NET / KiK-net Earthquake Response Spectrum", 936, 513, ColorFromBgr(kBackground)),
      application_(application) {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  CreateControls();
  ConnectHandlers();
  // The main menu's settings that act on this window, on its graph's context menu too: the same
  // items, so the check marks are the main menu's and a choice runs the main menu's handler.
  const TForm1& form = application_.Form1();
  MyGraph1->setContextMenuPolicy(Qt::ActionsContextMenu);
  MyGraph1->addActions({form.N1, form.N4, form.Method1});
  CentreOnScreen(*this);
  FormCreate();
}

void TSpect::CreateControls() {
  Label1 = new TextLabel(this, "Label1", Tr("TSpect", "地震応答スペクトラム"), 24, 8);
  Label1->setFont(JapaneseFont(FontFace::ProportionalGothic, 21, true));
  Label1->adjustSize();
  SetTextColour(*Label1, ColorFromBgr(kAqua));
  // Station code, address, fifth text and name of the spectra shown, filled by each calculation.
  Label2 = new TextLabel(this, "Label2", QString(), 264, 8);
  Label3 = new TextLabel(this, "Label3", QString(), 328, 8);
  Label4 = new TextLabel(this, "Label4", QString(), 328, 24);
  Label5 = new TextLabel(this, "Label5", QString(), 264, 24);

  MyGraph1 = new TMyGraph(this);
  MyGraph1->setObjectName("MyGraph1");
  MyGraph1->setGeometry(16, 56, 897, 305);
  MyGraph1->OverWrite = true;
  MyGraph1->WidthX = 250;
  MyGraph1->HeightY = 250;
  MyGraph1->OriginX = 35;
  MyGraph1->VValueX = 5.0f;
  MyGraph1->VValueY = 10.0f;

  GroupBox1 = AddGroupBox(this, "GroupBox1", Tr("TSpect", "横　軸"), {16, 376, 169, 81});
  RGXScale = AddRadioGroup(GroupBox1, "RGXScale", Tr("TSpect", "目盛り"), {Tr("TSpect", "線形"), Tr("TSpect", "対数")},
                           {8, 16, 73, 57}, 1);
  RGXUnit = AddRadioGroup(GroupBox1, "RGXUnit", Tr("TSpect", "単位"), {Tr("TSpect", "s"), Tr("TSpect", "Hz")},
                          {88, 16, 73, 57}, 0);
  GroupBox2 = AddGroupBox(this, "GroupBox2", Tr("TSpect", "縦　軸"), {200, 376, 89, 81});
  RGYScale = AddRadioGroup(GroupBox2, "RGYScale", Tr("TSpect", "目盛り"), {Tr("TSpect", "線形"), Tr("TSpect", "対数")},
                           {8, 16, 73, 57}, 1);
  GroupBox3 = AddGroupBox(this, "GroupBox3", Tr("TSpect", "地震応答ｽﾍﾟｸﾄﾗﾑ"), {304, 368, 281, 97});
  RGSpect = AddRadioGroup(GroupBox3, "RGSpect", TrText{}, {Tr("TSpect", "成分ごと"), Tr("TSpect", "応答ごと")},
                          {8, 16, 89, 73}, 0);
  // Its items are composed (the record's component names), so only its caption is remembered.
  RGCompo = new RadioGroup(GroupBox3, "RGCompo", QString(), DefaultComponentItems(), 1, 0);
  RGCompo->setGeometry(104, 16, 81, 73);
  SetText(*RGCompo, Tr("TSpect", "成分"));
  RGResp =
      AddRadioGroup(GroupBox3, "RGResp", Tr("TSpect", "応答"),
                    {Tr("TSpect", "加速度"), Tr("TSpect", "速　度"), Tr("TSpect", "変　位")}, {192, 16, 81, 73}, 1);
  RGResp->setEnabled(false);

  GroupBox4 = AddGroupBox(this, "GroupBox4", Tr("TSpect", "減衰比"), {598, 365, 83, 105});
  SetHint(*GroupBox4, Tr("TSpect", "減衰比設定"));
  D00 = AddCheckBox(GroupBox4, "D00", " 0 %", {16, 12, 60, 17}, true);
  D01 = AddCheckBox(GroupBox4, "D01", " 1 %", {16, 26, 60, 17}, true);
  D02 = AddCheckBox(GroupBox4, "D02", " 2 %", {16, 48, 60, 17}, true);
  D05 = AddCheckBox(GroupBox4, "D05", " 5 %", {16, 65, 60, 17}, true);
  D10 = AddCheckBox(GroupBox4, "D10", "10%", {17, 84, 60, 17}, true);
  // Each caption carries its curve's colour; D05's is the window's black. A white 0 % caption
  // would be unreadable on the light background and name no curve: the 0 % curve is red.
  SetCaptionColour(*D00, kSpectrumColours[0]);
  SetCaptionColour(*D01, colours::kBlue);
  SetCaptionColour(*D02, colours::kPurple);
  SetCaptionColour(*D10, kGreen);

  BtnCalc = MakeButton(this, "BtnCalc", Tr("TSpect", "計　算"), {600, 24, 75, 25});
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(688, 32, 65, 16);
  ProgressBar2 = new QProgressBar(this);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setGeometry(760, 32, 150, 16);
  for (QProgressBar* bar : {ProgressBar1, ProgressBar2}) {
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
  }

  CBColor = AddCheckBox(this, "CBColor", Tr("TSpect", "色分け"), {696, 368, 70, 17}, true);
  SetHint(*CBColor, Tr("TSpect", "減衰比による色分け"));
  CBLarge = AddCheckBox(this, "CBLarge", Tr("TSpect", "拡大図"), {696, 392, 97, 17}, false);
  SetHint(*CBLarge, Tr("TSpect", "拡大ｽﾍﾟｸﾄﾗﾑ"));
  // Below the damping ratios it explains; off, the panels and pictures are as they always were.
  CBLegend = AddCheckBox(this, "CBLegend", Tr("TSpect", "凡例"), {614, 476, 60, 17}, false);
  SetHint(*CBLegend, Tr("TSpect", "減衰比の色の凡例"));
  Label6 = new TextLabel(this, "Label6", Tr("TSpect", "線サイズ"), 816, 368);
  Edit1 = new EditBox(this, "Edit1", "1");
  Edit1->setGeometry(768, 368, 25, 21);
  UpDown1 = new UpDown(this, "UpDown1", *Edit1, 1, 10, 1);
  UpDown1->setGeometry(793, 368, 16, 21);

  Button3 = MakeButton(this, "Button3", Tr("TSpect", "グラフ"), {696, 416, 75, 25});
  Button2 = MakeButton(this, "Button2", Tr("TSpect", "コピー"), {696, 448, 75, 25}, Tr("TSpect", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"));
  BtnGIF = MakeButton(this, "BtnGIF", Tr("TSpect", "GIFﾌｧｲﾙ"), {840, 384, 75, 25}, Tr("TSpect", "ｽﾍﾟｸﾄﾗﾑをGIFﾌｧｲﾙで保存"));
  BtnCSV = MakeButton(this, "BtnCSV", Tr("TSpect", "CSVﾌｧｲﾙ"), {840, 416, 75, 25}, Tr("TSpect", "ｽﾍﾟｸﾄﾙをCSVﾌｧｲﾙで保存"));
  Button1 = MakeButton(this, "Button1", Tr("TSpect", "閉じる"), {840, 448, 75, 25}, Tr("TSpect", "閉じる"));
  // Never shown: their handlers are the two drawing operations.
  BtnSpectrum1 = MakeButton(this, "BtnSpectrum1", Tr("TSpect", "波形成分消去不可"), {648, 200, 137, 25});
  BtnSpectrum2 = MakeButton(this, "BtnSpectrum2", Tr("TSpect", "応答成分消去不可"), {648, 256, 137, 25});
  BtnSpectrum1->setVisible(false);
  BtnSpectrum2->setVisible(false);

  SaveDialog1.overwrite_prompt = true;
  SaveDialog2.overwrite_prompt = true;
  ComposeTexts();
}

void TSpect::ComposeTexts() {
  SaveDialog1.filter = Translate("TSpect", "GIFﾌｧｲﾙ (*,gif)|*.gif|すべて (*.*)|*.*");
  SaveDialog2.filter = Translate("TSpect", "CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*");
  // Before the first calculation RGCompo shows its own items; afterwards the record's names.
  if (Source.ChannelCount == 0) RGCompo->SetItems(DefaultComponentItems());
}

void TSpect::ConnectHandlers() {
  RGXScale->OnClick = [this] { RGXScaleClick(); };
  RGXUnit->OnClick = [this] { RGXUnitClick(); };
  RGYScale->OnClick = [this] { RGYScaleClick(); };
  RGSpect->OnClick = [this] { RGSpectClick(); };
  RGCompo->OnClick = [this] { RGCompoClick(); };
  RGResp->OnClick = [this] { RGRespClick(); };
  D00->OnClick = [this] { D00Click(); };
  D01->OnClick = [this] { D01Click(); };
  D02->OnClick = [this] { D02Click(); };
  D05->OnClick = [this] { D05Click(); };
  D10->OnClick = [this] { D10Click(); };
  CBColor->OnClick = [this] { CBColorClick(); };
  CBLegend->OnClick = [this] { RedrawSpectra(); };
  CBLarge->OnClick = [this] { CBLargeClick(); };
  UpDown1->OnClick = [this] { UpDown1Click(); };
  ConnectClick(*BtnCalc, [this] { BtnCalcClick(); });
  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectClick(*Button3, [this] { Button3Click(); });
  ConnectClick(*BtnGIF, [this] { BtnGIFClick(); });
  ConnectClick(*BtnCSV, [this] { BtnCSVClick(); });
  ConnectClick(*BtnSpectrum1, [this] { BtnSpectrum1Click(); });
  ConnectClick(*BtnSpectrum2, [this] { BtnSpectrum2Click(); });
}

void TSpect::FormCreate() {
  Ratios = DampingSet(DampingMultiplier::X1);
  LinearMaxPeriod = 2.0f;
  LinearGridCount = 4;
  DampingShown.fill(true);
  ReferenceDampingIndex = 0;
  Grid = MakePeriodGrid();
  LinearPeriodCount = tremora::LinearPeriodCount(Grid, LinearMaxPeriod);
  LinearFrequencyCount = tremora::LinearFrequencyCount(Grid);

  const int third = MyGraph1->width() / 3;
  MyGraph1->WidthX = third - 60;
  MyGraph1->HeightY = third - 60;
  GraphBottom = MyGraph1->height() - 30;
  MyGraph1->OriginY = GraphBottom;
  for (int i = 0; i < static_cast<int>(GraphLeft.size()); ++i) GraphLeft[i] = i * third + 50;

  std::copy(kSpectrumColours.begin(), kSpectrumColours.end(), OverlayColours.begin());
  EnlargedView = false;
  MyGraph1->Clear(kWhite);
  LastGifFolder.clear();
}

void TSpect::EnableChoices(int channel_count) {
  const bool per_component = RGSpect->ItemIndex() == 0;
  RGCompo->setEnabled(per_component);
  RGResp->setEnabled(!per_component);
  if (per_component) {
    RGCompo->Button(0).setEnabled(true);
    RGCompo->Button(1).setEnabled(channel_count != 1);
    RGCompo->Button(2).setEnabled(channel_count != 1 && channel_count != 2);
  }
}

void TSpect::RGSpectClick() {
  EnableChoices(Source.ChannelCount);
  RedrawSpectra();
}

void TSpect::DampingClick(int d) {
  DampingShown[d] = DampingBoxes()[d]->Checked();
  ReferenceDampingIndex = ReferenceDamping(DampingShown);
  RedrawSpectra();
}

void TSpect::CBLargeClick() {
  EnlargedView = CBLarge->Checked();
  if (RGSpect->ItemIndex() != 0) {
    BtnSpectrum2Click();
  } else {
    BtnSpectrum1Click();
  }
}

void TSpect::Button1Click() { hide(); }

void TSpect::SetDampingMultiplier(DampingMultiplier multiplier) {
  const auto captions = DampingCaptions(multiplier);
  for (int d = 1; d < kDampingCount; ++d) DampingBoxes()[d]->setText(QString::fromUtf8(captions[d - 1]));
  Ratios = DampingSet(multiplier);
}

void TSpect::SetLongestPeriod(const LinearPeriodAxis& axis) {
  LinearMaxPeriod = axis.LinearMaxPeriod;
  LinearGridCount = axis.LinearGridCount;
  MyGraph1->SubX = axis.SubX;
  application_.Super().MyGraph1->SubX = axis.SubX;
  RedrawSpectra();
  RGXScale->SetItemIndex(0);
  RGXUnit->SetItemIndex(0);
}

}  // namespace tremora
