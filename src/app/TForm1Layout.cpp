// The main window's frame: its look, the plot's place, the header labels, the links, the buttons
// and the menu. The waveform controls of the panel are built in wave/TForm1WaveControls.cpp.

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "analysis/TMetrics.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/WindowStyle.h"
#include "wave/TMyWave.h"

namespace tremora {

namespace {

constexpr std::uint32_t kBackground = 0xC7E2B1;  // RGB(177, 226, 199)

QAction* MakeItem(QMenu* menu, const char* name, TrText caption, bool checkable = false, bool checked = false) {
  QAction* item = menu->addAction(QString());
  SetText(*item, caption);
  item->setObjectName(name);
  item->setCheckable(checkable);
  item->setChecked(checked);
  return item;
}

// A menu of the menu bar or a submenu, its title in the current language.
template <typename Owner>
QMenu* MakeMenu(Owner* owner, const char* name, TrText title) {
  QMenu* menu = owner->addMenu(QString());
  SetText(*menu, title);
  menu->setObjectName(name);
  return menu;
}

}  // namespace

void TForm1::CreateFrameControls() {
  setObjectName("Form1");
  SetTitle(*this, Tr("TForm1", " K-NET / KiK-net 観測波形解析  TREMORA Ver 3.0"));
  // 833 x 591 with the window frame; Qt sizes the window without it.
  resize(825, 562);
  SetBackground(*this, ColorFromBgr(kBackground));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));

  auto* client = new QWidget(this);
  client->setObjectName("Client");
  setCentralWidget(client);

  MyWave1 = new TMyWave(client);
  MyWave1->setObjectName("MyWave1");
  MyWave1->setGeometry(12, 48, 593, 409);
  MyWave1->NGridY = 2;
  MyWave1->SubY = 2;

  BtnFile = MakeButton(client, "BtnFile", Tr("TForm1", "ファイル"), {12, 12, 80, 27}, Tr("TForm1", "地震ﾃﾞｰﾀﾌｧｲﾙ読込"));
  CB3Compo = new CheckBox(client, "CB3Compo", Tr("TForm1", "3成分読込"), true);
  CB3Compo->move(100, 16);
  BtnWave = MakeButton(client, "BtnWave", Tr("TForm1", " 波形表示"), {200, 12, 80, 27}, Tr("TForm1", "地震波形表示"));
  Button2 = MakeButton(client, "Button2", Tr("TForm1", "観測点リスト"), {290, 12, 100, 27}, Tr("TForm1", "観測地点情報ﾘｽﾄ表示"));
  Button3 = MakeButton(client, "Button3", Tr("TForm1", "合成波形"), {400, 12, 80, 27});
  Button3->setEnabled(false);
  BtnSpect = MakeButton(client, "BtnSpect", Tr("TForm1", "応答ｽﾍﾟｸﾄﾗﾑ"), {505, 462, 100, 27}, Tr("TForm1", "地震応答ｽﾍﾟｸﾄﾗﾑ表示"));
  BtnSpect->setEnabled(false);

  Label22 = new TextLabel(client, "Label22", "Data: NIED K-NET, KiK-net", 640, 4);
  Label22->setFont(JapaneseFont(FontFace::ProportionalGothic, 12, false));
  SetTextColour(*Label22, ColorFromBgr(colours::kTeal));

  CreateHeaderLabels(*client);

  auto* panel = new QFrame(client);
  panel->setObjectName("Panel1");
  panel->setGeometry(614, 22, 207, 512);
  panel->setFrameShape(QFrame::StyledPanel);
  Panel1 = panel;
  CreatePanelLinks();

  BtnCsv = MakeButton(Panel1, "BtnCsv", Tr("TForm1", "CSVﾌｧｲﾙ"), {2, 392, 100, 27});
  BtnCsv->setEnabled(false);
  BtnGif = MakeButton(Panel1, "BtnGif", Tr("TForm1", "GIFファイル"), {105, 392, 100, 27});
  BtnCopy = MakeButton(Panel1, "BtnCopy", Tr("TForm1", "コピー"), {2, 422, 100, 27});
  Button1 = MakeButton(Panel1, "Button1", Tr("TForm1", "終　了"), {105, 480, 100, 27});

  CreateMenu();
  CreateReadoutLine();
}

void TForm1::CreateReadoutLine() {
  ReadoutLine = new QLabel(this);
  ReadoutLine->setObjectName("ReadoutLine");
  ReadoutLine->setFont(JapaneseFont(FontFace::ProportionalGothic, 12, false));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(ReadoutLine, 1);
  // The window grows by the line, so the layout above keeps its size.
  resize(width(), height() + statusBar()->sizeHint().height());
  MyWave1->OnReadout = [this](const std::string& text) { ReadoutLine->setText(QString::fromStdString(text)); };
}

void TForm1::CreateHeaderLabels(QWidget& client) {
  // Caption labels (purple) carry their text; value labels start empty and are filled by loading.
  struct Place {
    TextLabel* TForm1::*label;
    const char* name;
    TrText caption;  // no text for a value label
    int x;
    int row;
  };
  static constexpr Place kPlaces[] = {
      // Station and file.
      {&TForm1::Label15, "Label15", Tr("TForm1", "観測点"), 12, 0},
      {&TForm1::Label13, "Label13", {}, 62, 0},
      {&TForm1::Label23, "Label23", {}, 125, 0},
      {&TForm1::Label24, "Label24", {}, 220, 0},
      {&TForm1::Label25, "Label25", {}, 62, 1},
      {&TForm1::Label16, "Label16", Tr("TForm1", "ﾌｧｲﾙ"), 12, 2},
      {&TForm1::Label14, "Label14", {}, 62, 2},
      // Origin and epicentre.
      {&TForm1::Label1, "Label1", Tr("TForm1", "発震日時"), 12, 3},
      {&TForm1::Label6, "Label6", {}, 68, 3},
      {&TForm1::Label3, "Label3", Tr("TForm1", "震源緯度"), 220, 3},
      {&TForm1::Label7, "Label7", {}, 275, 3},
      {&TForm1::Label2, "Label2", Tr("TForm1", "経度"), 350, 3},
      {&TForm1::Label8, "Label8", {}, 379, 3},
      {&TForm1::Label4, "Label4", Tr("TForm1", "震源深さ"), 455, 3},
      {&TForm1::Label9, "Label9", {}, 510, 3},
      // Magnitude and the recording.
      {&TForm1::Label5, "Label5", Tr("TForm1", "ﾏｸﾞﾆﾁｭｰﾄﾞ"), 12, 4},
      {&TForm1::Label10, "Label10", {}, 72, 4},
      {&TForm1::Label11, "Label11", Tr("TForm1", "ﾃﾞｰﾀ総数"), 145, 4},
      {&TForm1::Label12, "Label12", {}, 203, 4},
      {&TForm1::Label27, "Label27", Tr("TForm1", "計測時間"), 262, 4},
      {&TForm1::Label28, "Label28", {}, 317, 4},
      {&TForm1::Label29, "Label29", Tr("TForm1", "ｻﾝﾌﾟﾘﾝｸﾞ率"), 467, 4},
      {&TForm1::Label30, "Label30", {}, 537, 4},  // clear of its caption's last character
  };
  constexpr int kRowTop[] = {461, 476, 491, 506, 521};
  for (const Place& place : kPlaces) {
    const bool caption = place.caption.source != nullptr;
    auto* label = caption ? new TextLabel(&client, place.name, place.caption, place.x, kRowTop[place.row])
                          : new TextLabel(&client, place.name, QString(), place.x, kRowTop[place.row]);
    if (caption) SetTextColour(*label, ColorFromBgr(colours::kPurple));
    this->*place.label = label;
  }
}

void TForm1::CreatePanelLinks() {
  const auto make_link = [this](const char* name, const char* caption, int x, TrText hint) {
    auto* link = new TextLabel(Panel1, name, QString::fromUtf8(caption), x, 4);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    SetTextColour(*link, ColorFromBgr(colours::kRed));
    SetHint(*link, hint);
    link->setCursor(Qt::PointingHandCursor);
    return link;
  };
  Label21 = make_link("Label21", "K-NET", 10, Tr("TForm1", "K-NETダウンロードページへリンク"));
  Label20 = new TextLabel(Panel1, "Label20", "/", 58, 4);
  Label26 = make_link("Label26", "KiK-net", 68, Tr("TForm1", "KiK-netダウンロードページへリンク"));
  Label31 = new TextLabel(Panel1, "Label31", "/", 126, 4);
  Label32 = make_link("Label32", "HRSM", 136, Tr("TForm1", "広島市地震情報ネットワークへリンク"));
}

void TForm1::CreateMenu() {
  QMenuBar* bar = menuBar();
  File1 = MakeMenu(bar, "File1", Tr("TForm1", "ファイル(&F)"));
  N10 = MakeItem(File1, "N10", Tr("TForm1", "開く(&F)"));
  N10->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  QMenu* format = MakeMenu(File1, "", Tr("TForm1", "ファイル形式選択(&S)"));
  N9 = format->menuAction();
  N9->setObjectName("N9");
  KNET = MakeItem(format, "KNET", Tr("TForm1", "K-NET/KiK-netファイル"), true, true);
  Hiroshima = MakeItem(format, "Hiroshima", Tr("TForm1", "広島市消防局ファイル"), true, false);
  Recent1 = MakeMenu(File1, "Recent1", Tr("TForm1", "最近使ったファイル(&R)"));
  ConnectGuarded(Recent1, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  N8 = MakeItem(File1, "N8", Tr("TForm1", "（記号→地点名）ファイル作成"));
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", Tr("TForm1", "終了(&Q)"));
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  T1 = MakeMenu(bar, "T1", Tr("TForm1", "表示単位(&T)"));
  QMenu* damping = MakeMenu(T1, "", Tr("TForm1", "減衰比倍率"));
  N1 = damping->menuAction();
  N1->setObjectName("N1");
  N11 = MakeItem(damping, "N11", Tr("TForm1", "×１"), true, true);
  N2 = MakeItem(damping, "N2", Tr("TForm1", "×５"), true, false);
  N3 = MakeItem(damping, "N3", Tr("TForm1", "×１０"), true, false);
  QMenu* longest = MakeMenu(T1, "", Tr("TForm1", "線形目盛り最長周期"));
  N4 = longest->menuAction();
  N4->setObjectName("N4");
  N5 = MakeItem(longest, "N5", Tr("TForm1", "２秒"), true, true);
  N6 = MakeItem(longest, "N6", Tr("TForm1", "５秒"), true, false);
  N7 = MakeItem(longest, "N7", Tr("TForm1", "１０秒"), true, false);
  QMenu* method = MakeMenu(T1, "", Tr("TForm1", "計算法"));
  Method1 = method->menuAction();
  Method1->setObjectName("Method1");
  MethodLinear = MakeItem(method, "MethodLinear", Tr("TForm1", "線形加速度法"), true, true);
  MethodExact = MakeItem(method, "MethodExact", Tr("TForm1", "厳密解法 (Nigam–Jennings)"), true, false);

  Analysis1 = MakeMenu(bar, "Analysis1", Tr("TForm1", "解析(&A)"));
  ConnectTriggered(*MakeItem(Analysis1, "Indices1", Tr("TForm1", "強震動指標(&I)")), [this] { application_.Metrics().ShowForRecord(); });
  Fourier1 = MakeItem(Analysis1, "Fourier1", Tr("TForm1", "フーリエスペクトル(&F)"));
  LongPeriod1 = MakeItem(Analysis1, "LongPeriod1", Tr("TForm1", "長周期地震動(&L)"));
  RotD1 = MakeItem(Analysis1, "RotD1", Tr("TForm1", "方位別スペクトル(&R)"));

  // The same title in either language, so that it is found by someone who reads only one.
  Language1 = bar->addMenu(QString::fromUtf8("言語 / Language"));
  Language1->setObjectName("Language1");
  auto* languages = new QActionGroup(Language1);
  Japanese1 = Language1->addAction(QString::fromUtf8("日本語"));
  English1 = Language1->addAction(QStringLiteral("English"));
  Japanese1->setObjectName("Japanese1");
  English1->setObjectName("English1");
  for (QAction* item : {Japanese1, English1}) {
    item->setCheckable(true);
    languages->addAction(item);
  }

  Help1 = MakeMenu(bar, "Help1", Tr("TForm1", "ヘルプ(&H)"));
  Tutorial1 = MakeItem(Help1, "Tutorial1", Tr("TForm1", "使い方(&T)"));
  Tutorial1->setShortcut(QKeySequence(Qt::Key_F1));
  About1 = MakeItem(Help1, "About1", Tr("TForm1", "バージョン情報(&V)"));
}

}  // namespace tremora
