// The main window's frame: creation, start-up state, menu commands, links and the exit command.

#include "app/TForm1.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <initializer_list>

#include "app/Application.h"
#include "app/Language.h"
#include "app/SecondaryWindows.h"
#include "app/TAboutBox.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "analysis/TFourier.h"
#include "analysis/TLongPeriod.h"
#include "analysis/TRotD.h"
#include "app/TSynthe.h"
#include "app/WebLink.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/StretchLayout.h"
#include "platform/WindowStyle.h"
#include "record/TBundleChooser.h"
#include "spectrum/TSpect.h"
#include "wave/TMyWave.h"

namespace tremora {

namespace {

constexpr TrText kKnetFormatText = Tr("TForm1", "K-NET/KiK-net データファイル");
constexpr TrText kHiroshimaFormatText = Tr("TForm1", "広島市消防局データファイル");

struct GuidanceLine {
  int x;
  int y;
  TrText text;
};
constexpr GuidanceLine kGuidance[] = {
    {150, 150, Tr("TForm1", "ファイルボタンをクリックしてファイルを指定してください")},
    {150, 200, Tr("TForm1", "広島市地震情報ネットワークシステムのファイルはメニューバーの")},
    {150, 220, Tr("TForm1", "「ファイル」でファイル形式を選択してください")},
};

// One entry of a file dialog's filter: its name in the current language and its patterns.
struct FilterEntry {
  TrText name;
  const char* patterns;
};

// "name|patterns|name|patterns..." as the dialogs take it.
std::string DialogFilter(std::initializer_list<FilterEntry> entries) {
  std::string filter;
  for (const FilterEntry& entry : entries) {
    if (!filter.empty()) filter += '|';
    filter += Translated(entry.name).toStdString() + '|' + entry.patterns;
  }
  return filter;
}

// Checks chosen and unchecks the other items of its group.
void CheckOnly(QAction* chosen, std::initializer_list<QAction*> group) {
  for (QAction* item : group) item->setChecked(item == chosen);
}

void ShowWindow(QWidget& window) {
  window.show();
  window.raise();
}

}  // namespace

TForm1::TForm1(Application& application, std::string data_folder)
    : application_(application), data_folder_(std::move(data_folder)) {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  CreateFrameControls();
  CreateWaveControls();
  // A larger window gives its room to the plot, drawn again at the new size; saved and copied
  // pictures keep the layout's size.
  MyWave1->KeepPictureSize([this] { RedrawAtNewSize(); });
  new StretchLayout(*this, *centralWidget(), {{MyWave1, 1.0, 1.0}});
  WriteDialogFilters();
  OpenDialog1.filter_index = 1;
  SaveDialog1.overwrite_prompt = true;
  SaveDialog2.overwrite_prompt = true;

  ConnectClick(*BtnFile, [this] { BtnFileClick(); });
  ConnectClick(*BtnWave, [this] { BtnWaveClick(); });
  ConnectClick(*BtnSpect, [this] { BtnSpectClick(); });
  ConnectClick(*BtnCsv, [this] { BtnCsvClick(); });
  ConnectClick(*BtnGif, [this] { BtnGifClick(); });
  ConnectClick(*BtnCopy, [this] { BtnCopyClick(); });
  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectClick(*Button3, [this] { Button3Click(); });
  Label21->OnClick = [this] { Label21Click(); };
  Label26->OnClick = [this] { Label26Click(); };
  Label32->OnClick = [this] { Label32Click(); };
  ConnectTriggered(*N10, [this] { N10Click(); });
  ConnectTriggered(*KNET, [this] { KNETClick(); });
  ConnectTriggered(*Hiroshima, [this] { HiroshimaClick(); });
  ConnectTriggered(*N8, [this] { N8Click(); });
  ConnectTriggered(*Exit1, [this] { Exit1Click(); });
  ConnectTriggered(*N11, [this] { N11Click(); });
  ConnectTriggered(*N2, [this] { N2Click(); });
  ConnectTriggered(*N3, [this] { N3Click(); });
  ConnectTriggered(*N5, [this] { N5Click(); });
  ConnectTriggered(*Fourier1, [this] { Fourier1Click(); });
  ConnectTriggered(*LongPeriod1, [this] { LongPeriod1Click(); });
  ConnectTriggered(*MethodLinear, [this] { ChooseMethod(MethodLinear); });
  ConnectTriggered(*MethodExact, [this] { ChooseMethod(MethodExact); });
  ConnectTriggered(*N6, [this] { N6Click(); });
  ConnectTriggered(*N7, [this] { N7Click(); });
  ConnectTriggered(*Tutorial1, [this] { Tutorial1Click(); });
  ConnectTriggered(*About1, [this] { About1Click(); });
  ConnectTriggered(*RotD1, [this] { RotD1Click(); });
  ConnectTriggered(*Japanese1, [] { ApplyLanguage(*qApp, Language::Japanese); });
  ConnectTriggered(*English1, [] { ApplyLanguage(*qApp, Language::English); });
  CheckLanguageInUse();

  FillRecentMenu();
  setAcceptDrops(true);
  CentreOnScreen(*this);
  FormCreate();
}

// The chooser goes first, then the bundle's unpacked files with the private folder.
TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  for (TextLabel* value : {Label6, Label7, Label8, Label9, Label10, Label12, Label13, Label14, Label23, Label24,
                           Label25, Label28, Label30}) {
    value->SetCaption(std::string());
  }
  ShowFormatCaption();
  WriteGuidance();

  Record.ComponentNames = {"NS", "EW", "UD"};
  BtnWave->setEnabled(false);
  BtnGif->setEnabled(false);
  BtnCopy->setEnabled(false);
  Record.RecordLoaded = false;
  StartControlBusy = false;

  StationTableLoad load = LoadStationTables(data_folder_);
  Stations = std::move(load.tables);
  if (load.site_file_missing) {
    CurrentPlatform().ShowMessage(kSiteFileMissingMessage, kStationFileCaption, MessageButtons::Ok,
                                  MessageIcon::Exclamation);
  }
  if (load.hrsm_file_missing) {
    CurrentPlatform().ShowMessage(kHrsmFileMissingMessage, kStationFileCaption, MessageButtons::Ok,
                                  MessageIcon::Exclamation);
  }
}

void TForm1::WriteGuidance() {
  MyWave1->Clear(kWhite);
  Canvas& canvas = MyWave1->GetCanvas();
  for (const GuidanceLine& line : kGuidance) canvas.TextOut(line.x, line.y, Translated(line.text).toStdString());
  MyWave1->update();
}

void TForm1::EnableRecordControls(bool enabled) {
  for (QWidget* control : {static_cast<QWidget*>(BtnWave), static_cast<QWidget*>(BtnGif),
                           static_cast<QWidget*>(BtnCsv), static_cast<QWidget*>(BtnCopy),
                           static_cast<QWidget*>(BtnSpect), static_cast<QWidget*>(CBWave)}) {
    control->setEnabled(enabled);
  }
}

void TForm1::ConfirmExit() {
  const MessageAnswer answer = CurrentPlatform().ShowMessage(Translate("TForm1", "プログラムを終了します．よろしいですか？"),
                                                             Translate("TForm1", "プログラム終了"), MessageButtons::YesNo,
                                                             MessageIcon::None);
  if (answer == MessageAnswer::Yes) close();
}

void TForm1::Button1Click() { ConfirmExit(); }

void TForm1::Exit1Click() { ConfirmExit(); }

void TForm1::closeEvent(QCloseEvent* event) {
  // The main window's end is the program's end, whichever other windows are open.
  RunGuarded([event] {
    event->accept();
    QCoreApplication::quit();
  });
}

void TForm1::KNETClick() {
  CheckOnly(KNET, {KNET, Hiroshima});
  ShowFormatCaption();
}

void TForm1::HiroshimaClick() {
  CheckOnly(Hiroshima, {KNET, Hiroshima});
  ShowFormatCaption();
}

void TForm1::ShowFormatCaption() {
  format_caption_ = Translated(Hiroshima->isChecked() ? kHiroshimaFormatText : kKnetFormatText).toStdString();
  Label14->SetCaption(format_caption_);
}

void TForm1::WriteDialogFilters() {
  OpenDialog1.filter = DialogFilter({{Tr("TForm1", "地震ﾌｧｲﾙ(.*.ns*)"), "*.ns*"},
                                     {Tr("TForm1", "地震ﾌｧｲﾙ(*.ew*)"), "*.ew*"},
                                     {Tr("TForm1", "地震ﾌｧｲﾙ(,*.ud*)"), "*.ud*"},
                                     {Tr("TForm1", "すべて(*.*)"), "*.*"},
                                     {Tr("TForm1", "NIED 配布ファイル (*.tar;*.tar.gz;*.tgz)"), "*.tar;*.tar.gz;*.tgz"},
                                     {Tr("TForm1", "気象庁 強震波形 (*.csv)"), "*.csv"},
                                     {Tr("TForm1", "PEER (*.at2)"), "*.at2"}});
  SaveDialog1.filter = DialogFilter({{Tr("TForm1", "GIFﾌｧｲﾙ (*.gif)"), "*.gif"}, {Tr("TForm1", "すべて (*.*)"), "*.*"}});
  SaveDialog2.filter = DialogFilter({{Tr("TForm1", "PELTIX CSV ﾌｧｲﾙ (*.csv)"), "*.csv"}});
}

void TForm1::CheckLanguageInUse() {
  Japanese1->setChecked(CurrentLanguage() == Language::Japanese);
  English1->setChecked(CurrentLanguage() == Language::English);
}

void TForm1::FollowLanguage() {
  CheckLanguageInUse();
  // Check boxes are as wide as their captions (as made, or as Qt sized them when first shown): a
  // longer word would be cut.
  for (CheckBox* box : findChildren<CheckBox*>()) box->adjustSize();
  WriteDialogFilters();
  // A loaded record's file name stays; the chosen format's name is written again.
  if (Label14->Caption() == format_caption_) ShowFormatCaption();
  FillRecentMenu();
  if (Record.RecordLoaded) {
    if (Record.Format == RecordFormat::Hiroshima) WriteHiroshimaHeaderGaps();
    MyWave1->Clear(kWhite);
    DrawRecordStrips();
  } else {
    WriteGuidance();
  }
}

void TForm1::OpenLink(const std::string& address) { OpenWebPage(address); }

void TForm1::Label21Click() { OpenLink(Links.knet); }

void TForm1::Label26Click() { OpenLink(Links.kiknet); }

void TForm1::Label32Click() { OpenLink(Links.hrsm); }

void TForm1::Tutorial1Click() { ShowWindow(application_.HowTo()); }

void TForm1::About1Click() { ShowWindow(application_.AboutBox()); }

void TForm1::N10Click() { BtnFileClick(); }

void TForm1::Fourier1Click() {
  if (!Fourier) Fourier = std::make_shared<TFourier>();
  Fourier->ShowSection(Record, Displayed());
  ShowWindow(*Fourier);
}

void TForm1::LongPeriod1Click() {
  if (!LongPeriod) LongPeriod = std::make_shared<TLongPeriod>();
  LongPeriod->ShowRecord(Record);
  ShowWindow(*LongPeriod);
}

void TForm1::RotD1Click() {
  if (!RotD) RotD = std::make_shared<TRotD>();
  RotD->ShowSection(Record, Displayed(), application_.Spect().Ratios, application_.Spect().Method);
  ShowWindow(*RotD);
}

void TForm1::FollowRotD() {
  if (RotD && RotD->isVisible()) {
    RotD->ShowSection(Record, Displayed(), application_.Spect().Ratios, application_.Spect().Method);
  }
}

// The oscillator solver: recalculated and shown at once, as for the damping multiplier.
void TForm1::ChooseMethod(QAction* item) {
  CheckOnly(item, {MethodLinear, MethodExact});
  application_.Spect().Method = item == MethodExact ? SpectrumMethod::Exact : SpectrumMethod::LinearAcceleration;
  BtnSpectClick();
  ShowWindow(application_.Spect());
  FollowRotD();
}

// The damping multiplier: new ratios, recalculated and shown at once.
void TForm1::ChooseDampingMultiplier(QAction* item, DampingMultiplier multiplier) {
  CheckOnly(item, {N11, N2, N3});
  application_.Spect().SetDampingMultiplier(multiplier);
  BtnSpectClick();
  ShowWindow(application_.Spect());
  FollowRotD();
}

void TForm1::N11Click() { ChooseDampingMultiplier(N11, DampingMultiplier::X1); }

void TForm1::N2Click() { ChooseDampingMultiplier(N2, DampingMultiplier::X5); }

void TForm1::N3Click() { ChooseDampingMultiplier(N3, DampingMultiplier::X10); }

// The longest period of the spectrum window's linear period axis; the window switches to that axis.
void TForm1::ChooseLongestPeriod(QAction* item) {
  CheckOnly(item, {N5, N6, N7});
  application_.Spect().SetLongestPeriod(LongestPeriodChoice(item == N5 ? 0 : item == N6 ? 1 : 2));
  ShowWindow(application_.Spect());
}

void TForm1::N5Click() { ChooseLongestPeriod(N5); }

void TForm1::N6Click() { ChooseLongestPeriod(N6); }

void TForm1::N7Click() { ChooseLongestPeriod(N7); }

// The station list of the chosen file format, rewritten from the tables each time.
void TForm1::Button2Click() {
  if (Hiroshima->isChecked()) {
    application_.HRSMList().WriteStations(Stations.HrsmStations);
    ShowWindow(application_.HRSMList());
  } else {
    application_.SiteList().WriteStations(Stations);
    ShowWindow(application_.SiteList());
  }
}

void TForm1::Button3Click() {
  if (IsForeignFormat(Record.Format)) {
    ShowWarning(kNeedsKnetRecordMessage, CoreMessage{kSynthesisTitle});
    return;
  }
  application_.Synthe().PrepareForRecord();
  ShowWindow(application_.Synthe());
}

}  // namespace tremora
