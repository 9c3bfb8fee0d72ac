#pragma once
// The main window: the waveform plot, the header labels of the loaded record, the panel of links and
// waveform controls, and the menu. It owns the record set and the station tables.
//
// The class is spread over the subsystem folders by concern:
//   app/TForm1.cpp, app/TForm1Layout.cpp     frame, menu, links, exit, start-up state
//   app/TForm1FileOpening.cpp                files named on the command line or dropped, the
//                                            format check of a picked file, recent files
//   record/TForm1KnetLoading.cpp             file command, K-NET / KiK-net load, after-load update
//   record/TForm1BundleOpening.cpp           download bundles and their station chooser
//   record/TForm1HiroshimaLoading.cpp        Hiroshima City load
//   record/TForm1PeerAt2Loading.cpp          PEER .AT2 load (one to three files) and the open dialog
//   record/TForm1NamedCopies.cpp             station-named copies
//   wave/TForm1WaveControls.cpp              waveform controls of the panel and their handlers
//   wave/TForm1WaveRedraw.cpp                the waveform redraw, also at a new plot size
//   wave/TForm1WaveExport.cpp                waveform CSV, GIF and clipboard

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "record/Bundle.h"
#include "record/ReadWarnings.h"
#include "record/RecordSet.h"
#include "record/StationTables.h"
#include "spectrum/PeriodGrid.h"
#include "wave/WaveProcessing.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace tremora {

class TFourier;
class TLongPeriod;
class TRotD;
class TBundleChooser;

class Application;
class CheckBox;
class EditBox;
class RadioGroup;
class TextLabel;
class TrackBar;
class TMyWave;

// Web pages of the link labels.
struct LinkAddresses {
  std::string knet = "https://www.kyoshin.bosai.go.jp/kyoshin/data/index_en.html";
  std::string kiknet = "https://www.kyoshin.bosai.go.jp/kyoshin/search/";
  std::string hrsm = "https://www.city.hiroshima.lg.jp/site/shobo/";
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // data_folder: where SITENAME.CSV and SHOBONAME.CSV are read from.
  TForm1(Application& application, std::string data_folder);
  ~TForm1() override;

  RecordSet Record;
  StationTables Stations;
  LinkAddresses Links;
  // Set by the start-point controls before they cause a redraw: no wait window for those.
  bool StartControlBusy = false;
  // The section the last redraw showed and processed.
  int StartIndex = 0;
  int DisplayCount = 0;
  float TimeWidth = 0;  // s
  DisplayedSection Displayed() const;

  // Frame.
  void FormCreate();
  void Button1Click();
  void Exit1Click();
  void KNETClick();
  void HiroshimaClick();
  void Label21Click();
  void Label26Click();
  void Label32Click();
  void Tutorial1Click();
  void About1Click();
  void N10Click();
  void N11Click();
  void N2Click();
  void N3Click();
  void N5Click();
  void N6Click();
  void N7Click();
  void Button2Click();
  void Button3Click();

  // Loading.
  void BtnFileClick();
  void LoadKnetRecord();
  void LoadHiroshimaRecord();
  // The same loads for a file already chosen (the dialog versions call these).
  void LoadKnetRecord(const std::string& picked);
  void LoadHiroshimaRecord(const std::string& path);
  // A record of one to three PEER .AT2 files of one station, whichever format the menu names.
  void LoadPeerAt2Record(const std::vector<std::string>& paths);
  // The file command's open dialog: the one file chosen, for the load the menu names; several
  // files are the components of a PEER record and are loaded here (nullopt then, as for a cancel).
  std::optional<std::string> ChooseRecordFiles();
  // A file named outside the open dialog (command line, drag and drop): its format is told from its
  // content, the format menu set to match, then it is loaded as the file command would. False, after
  // a message, when it is no record file of either format.
  bool OpenRecordFile(const std::string& path);
  // OpenRecordFile once the event loop is free: the window is up, a drop has ended. Its errors end
  // in the standard error box.
  void OpenRecordFileLater(const std::string& path);
  // A file picked under the other format's menu item: says which format it is and, when the user
  // agrees, switches the menu and loads it as that. False when it is to be loaded as the menu says.
  bool OfferDetectedFormat(const std::string& picked);
  // The records and bundles opened last, newest first (最近使ったファイル); a successful open
  // puts its file at the head.
  std::vector<std::string> RecentFiles;
  void RememberOpened(const std::string& path);
  // Rewrites the recent files' items; files that are gone are greyed.
  void FillRecentMenu();
  void FinishLoad();
  // After a load, one message naming what the format's rules bent in its files (nothing when none);
  // files of a bundle are named as in the bundle.
  void ShowReadWarnings(const ReadWarnings& warnings, const Bundle* bundle = nullptr);

  // Download bundles. OpenBundleFile unpacks the bundle into the program's private folder and
  // lists its records in the station chooser; false, after a message, when it cannot be read or
  // holds no record. LoadBundleRecord loads record number index of the bundle last opened, as the
  // K-NET load loads files on disk.
  bool OpenBundleFile(const std::string& path);
  void LoadBundleRecord(int index);
  // The chooser, made when the first bundle opens; nullptr before.
  TBundleChooser* BundleChooser() const { return bundle_chooser_.get(); }
  // The bundle whose records the chooser lists; nullptr before the first.
  const Bundle* OpenedBundle() const { return opened_bundle_ ? &*opened_bundle_ : nullptr; }
  void N8Click();

  // Waveform view.
  void BtnWaveClick();
  void RGTimeClick();
  void CBAmpClick();
  void TrackBar1Change();
  void EdStartChange();
  void CBTitleClick();
  void CBMaxClick();
  void CBAutoStartClick();
  void RGWaveClick();
  void CBDataCountClick();
  void CBMaxPntClick();
  void CBDCClick();
  void CBWaveClick();
  void RGCompoClick();
  void BtnSpectClick();
  void BtnCsvClick();
  void BtnGifClick();
  void BtnCopyClick();
  // Folder of the last spectrum GIF; the waveform GIF dialog starts there.
  std::string LastGifFolder() const;
  // Folder of the last waveform CSV written; empty before the first.
  std::string LastWaveCsvFolder;

  // Controls, named as their object names.
  TMyWave* MyWave1 = nullptr;
  QWidget* Panel1 = nullptr;
  TextLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
  TextLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
  TextLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr;
  TextLabel *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr;
  TextLabel *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr;
  TextLabel *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr;
  TextLabel *Label31 = nullptr, *Label32 = nullptr;
  QPushButton *BtnFile = nullptr, *BtnWave = nullptr, *BtnSpect = nullptr, *BtnCsv = nullptr, *BtnGif = nullptr;
  QPushButton *BtnCopy = nullptr, *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
  CheckBox* CB3Compo = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // display start point
  CheckBox* CBAutoStart = nullptr;
  EditBox* EdStart = nullptr;
  TrackBar* TrackBar1 = nullptr;
  RadioGroup* RGTime = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // amplitude scale
  CheckBox *CBAmp = nullptr, *CB1ch = nullptr;
  EditBox *EdAmp0 = nullptr, *EdAmp1 = nullptr, *EdAmp2 = nullptr;
  RadioGroup *RGWave = nullptr, *RGCompo = nullptr;
  CheckBox *CBWave = nullptr, *CBTitle = nullptr, *CBMax = nullptr, *CBDataCount = nullptr, *CBMaxPnt = nullptr;
  CheckBox* CBDC = nullptr;

  // The status line below the layout: the values under the mouse on the waveform plot.
  QLabel* ReadoutLine = nullptr;

  QMenu *File1 = nullptr, *T1 = nullptr, *Help1 = nullptr;
  QMenu* Recent1 = nullptr;  // 最近使ったファイル
  QAction *N10 = nullptr, *N9 = nullptr, *KNET = nullptr, *Hiroshima = nullptr, *N8 = nullptr, *Exit1 = nullptr;
  QAction *N1 = nullptr, *N11 = nullptr, *N2 = nullptr, *N3 = nullptr;
  QAction *N4 = nullptr, *N5 = nullptr, *N6 = nullptr, *N7 = nullptr;
  QAction *Tutorial1 = nullptr, *About1 = nullptr;
  QMenu* Analysis1 = nullptr;
  // 言語 / Language: titled in both languages, each item in its own language.
  QMenu* Language1 = nullptr;
  QAction *Japanese1 = nullptr, *English1 = nullptr;
  QAction* Fourier1 = nullptr;
  std::shared_ptr<TFourier> Fourier;  // made when first asked for
  void Fourier1Click();
  QAction* LongPeriod1 = nullptr;
  std::shared_ptr<TLongPeriod> LongPeriod;  // made when first asked for
  void LongPeriod1Click();
  QAction* Method1 = nullptr;  // 計算法, the submenu
  QAction *MethodLinear = nullptr, *MethodExact = nullptr;
  void ChooseMethod(QAction* item);
  QAction* RotD1 = nullptr;
  std::shared_ptr<TRotD> RotD;  // made when first asked for
  void RotD1Click();
  // The RotD window, when shown, recomputed for the displayed section, damping set and method.
  void FollowRotD();

  FileDialogOptions OpenDialog1;
  FileDialogOptions SaveDialog1;  // waveform GIF
  FileDialogOptions SaveDialog2;  // waveform CSV

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateFrameControls();
  void CreateMenu();
  void CreateHeaderLabels(QWidget& client);
  void CreatePanelLinks();
  void CreateWaveControls();
  void CreateReadoutLine();
  void WriteGuidance();
  // The file label's text for the format the menu names, in the current language.
  void ShowFormatCaption();
  void WriteDialogFilters();
  // The language menu's check on the language in use.
  void CheckLanguageInUse();
  // After a change of language: captions set with SetText have followed by themselves; what this
  // window composes is written again and the plot drawn again from what it showed, without
  // reading or processing the record.
  void FollowLanguage();
  void WriteHiroshimaHeaderGaps();
  // The texts and strips of the displayed section, processed as the redraw left it, onto the plot
  // as it is; after a clear, the plot drawn again without processing (in a new language).
  void DrawRecordStrips();
  // The plot at a new size: the guidance before a load, the record's strips after one.
  void RedrawAtNewSize();
  // One strip of the waveform plot (see the redraw).
  struct Strip;
  void DrawStrip(const Strip& strip, int strip_height);
  void WriteTitle(bool component_mode, int strip_height);
  // The full scale of each strip as typed in the amplitude boxes; nullopt when one the redraw
  // would use is 0 or less.
  std::optional<std::array<float, kMaxChannels>> ManualStripScales() const;
  void OpenLink(const std::string& address);
  void ConfirmExit();
  // Enables or disables the controls that need a loaded record.
  void EnableRecordControls(bool enabled);
  void ChooseDampingMultiplier(QAction* item, DampingMultiplier multiplier);
  void ChooseLongestPeriod(QAction* item);
  // The K-NET load of picked, a file on disk or one unpacked from bundle.
  void LoadKnetFiles(const std::string& picked, const Bundle* bundle);

  Application& application_;
  std::string data_folder_;
  // The format's name as last written into the file label.
  std::string format_caption_;
  // Each strip's manual full scale as the last redraw read it from the amplitude boxes.
  std::array<float, kMaxChannels> strip_scales_{};
  // Where bundles are unpacked, made when the first opens and removed with everything in it when
  // the program ends.
  std::unique_ptr<PrivateFolder> bundle_folder_;
  std::optional<Bundle> opened_bundle_;
  std::unique_ptr<TBundleChooser> bundle_chooser_;
};

}  // namespace tremora
