// The main window's frame: its look, the plot's place, the header labels, the links, the buttons
// and the menu. The waveform controls of the panel are built in wave/TForm1WaveControls.cpp.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/TForm1.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

constexpr std::uint32_t kBackground = 0xC7E2B1;  // RGB(177, 226, 199)

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry, const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  if (hint != nullptr) button->setToolTip(QString::fromUtf8(hint));
  return button;
}

QAction* MakeItem(QMenu* menu, const char* name, const char* caption, bool checkable = false, bool checked = false) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(name);
  item->setCheckable(checkable);
  item->setChecked(checked);
  return item;
}

// A caption label ("観測点", "発震日時", ...) in purple with its value label beside it, empty.
TextLabel* MakeCaption(QWidget* parent, const char* name, const char* caption, int x, int y) {
  auto* label = new TextLabel(parent, name, QString::fromUtf8(caption), x, y);
  SetTextColour(*label, ColorFromBgr(colours::kPurple));
  return label;
}

TextLabel* MakeValue(QWidget* parent, const char* name, int x, int y) { return new TextLabel(parent, name, "", x, y); }

}  // namespace

void TForm1::CreateFrameControls() {
  setObjectName("Form1");
  setWindowTitle(" K-NET / KiK-net 観測波形解析  TREMORA Ver 3.0");
  // 833 x 591 with the window frame; Qt sizes the window without it.
  resize(825, 562);
  SetBackground(*this, ColorFromBgr(kBackground));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));

  auto* client = new QWidget(this);
  client->setObjectName("Client");
  setCentralWidget(client);

  // The waveform plot control takes this place and size; until then a white picture stands in.
  MyWave1 = new QLabel(client);
  MyWave1->setObjectName("MyWave1");
  MyWave1->setGeometry(12, 48, 593, 409);
  SetBackground(*MyWave1, ColorFromBgr(colours::kWhite));

  BtnFile = MakeButton(client, "BtnFile", "ファイル", {12, 12, 80, 27}, "地震ﾃﾞｰﾀﾌｧｲﾙ読込");
  CB3Compo = new CheckBox(client, "CB3Compo", QString::fromUtf8("3成分読込"), true);
  CB3Compo->move(100, 16);
  BtnWave = MakeButton(client, "BtnWave", " 波形表示", {200, 12, 80, 27}, "地震波形表示");
  Button2 = MakeButton(client, "Button2", "観測点リスト", {290, 12, 100, 27}, "観測地点情報ﾘｽﾄ表示");
  Button3 = MakeButton(client, "Button3", "合成波形", {400, 12, 80, 27}, nullptr);
  Button3->setEnabled(false);
  BtnSpect = MakeButton(client, "BtnSpect", "応答ｽﾍﾟｸﾄﾗﾑ", {505, 462, 100, 27}, "地震応答ｽﾍﾟｸﾄﾗﾑ表示");
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

  BtnCsv = MakeButton(Panel1, "BtnCsv", "CSVﾌｧｲﾙ", {2, 392, 100, 27}, nullptr);
  BtnCsv->setEnabled(false);
  BtnGif = MakeButton(Panel1, "BtnGif", "GIFファイル", {105, 392, 100, 27}, nullptr);
  BtnCopy = MakeButton(Panel1, "BtnCopy", "コピー", {2, 422, 100, 27}, nullptr);
  Button1 = MakeButton(Panel1, "Button1", "終　了", {105, 480, 100, 27}, nullptr);

  CreateMenu();
}

void TForm1::CreateHeaderLabels(QWidget& client) {
  constexpr int kRow[] = {461, 476, 491, 506, 521};
  Label15 = MakeCaption(&client, "Label15", "観測点", 12, kRow[0]);
  Label13 = MakeValue(&client, "Label13", 62, kRow[0]);
  Label23 = MakeValue(&client, "Label23", 125, kRow[0]);
  Label24 = MakeValue(&client, "Label24", 220, kRow[0]);
  Label25 = MakeValue(&client, "Label25", 62, kRow[1]);
  Label16 = MakeCaption(&client, "Label16", "ﾌｧｲﾙ", 12, kRow[2]);
  Label14 = MakeValue(&client, "Label14", 62, kRow[2]);
  // Origin and epicentre; then magnitude and the recording.
  Label1 = MakeCaption(&client, "Label1", "発震日時", 12, kRow[3]);
  Label6 = MakeValue(&client, "Label6", 68, kRow[3]);
  Label3 = MakeCaption(&client, "Label3", "震源緯度", 220, kRow[3]);
  Label7 = MakeValue(&client, "Label7", 275, kRow[3]);
  Label2 = MakeCaption(&client, "Label2", "経度", 350, kRow[3]);
  Label8 = MakeValue(&client, "Label8", 379, kRow[3]);
  Label4 = MakeCaption(&client, "Label4", "震源深さ", 455, kRow[3]);
  Label9 = MakeValue(&client, "Label9", 510, kRow[3]);
  Label5 = MakeCaption(&client, "Label5", "ﾏｸﾞﾆﾁｭｰﾄﾞ", 12, kRow[4]);
  Label10 = MakeValue(&client, "Label10", 72, kRow[4]);
  Label11 = MakeCaption(&client, "Label11", "ﾃﾞｰﾀ総数", 145, kRow[4]);
  Label12 = MakeValue(&client, "Label12", 203, kRow[4]);
  Label27 = MakeCaption(&client, "Label27", "計測時間", 262, kRow[4]);
  Label28 = MakeValue(&client, "Label28", 317, kRow[4]);
  Label29 = MakeCaption(&client, "Label29", "ｻﾝﾌﾟﾘﾝｸﾞ率", 467, kRow[4]);
  Label30 = MakeValue(&client, "Label30", 532, kRow[4]);
}

void TForm1::CreatePanelLinks() {
  const auto make_link = [this](const char* name, const char* caption, int x, const char* hint) {
    auto* link = new TextLabel(Panel1, name, QString::fromUtf8(caption), x, 4);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    SetTextColour(*link, ColorFromBgr(colours::kRed));
    link->setToolTip(QString::fromUtf8(hint));
    link->setCursor(Qt::PointingHandCursor);
    return link;
  };
  Label21 = make_link("Label21", "K-NET", 10, "K-NETダウンロードページへリンク");
  Label20 = new TextLabel(Panel1, "Label20", "/", 58, 4);
  Label26 = make_link("Label26", "KiK-net", 68, "KiK-netダウンロードページへリンク");
  Label31 = new TextLabel(Panel1, "Label31", "/", 126, 4);
  Label32 = make_link("Label32", "HRSM", 136, "広島市地震情報ネットワークへリンク");
}

void TForm1::CreateMenu() {
  QMenuBar* bar = menuBar();
  File1 = bar->addMenu(QString::fromUtf8("ファイル(&F)"));
  File1->setObjectName("File1");
  N10 = MakeItem(File1, "N10", "開く(&F)");
  QMenu* format = File1->addMenu(QString::fromUtf8("ファイル形式選択(&S)"));
  N9 = format->menuAction();
  N9->setObjectName("N9");
  KNET = MakeItem(format, "KNET", "K-NET/KiK-netファイル", true, true);
  Hiroshima = MakeItem(format, "Hiroshima", "広島市消防局ファイル", true, false);
  N8 = MakeItem(File1, "N8", "（記号→地点名）ファイル作成");
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", "終了(&Q)");

  T1 = bar->addMenu(QString::fromUtf8("表示単位(&T)"));
  T1->setObjectName("T1");
  QMenu* damping = T1->addMenu(QString::fromUtf8("減衰比倍率"));
  N1 = damping->menuAction();
  N1->setObjectName("N1");
  N11 = MakeItem(damping, "N11", "×１", true, true);
  N2 = MakeItem(damping, "N2", "×５", true, false);
  N3 = MakeItem(damping, "N3", "×１０", true, false);
  QMenu* longest = T1->addMenu(QString::fromUtf8("線形目盛り最長周期"));
  N4 = longest->menuAction();
  N4->setObjectName("N4");
  N5 = MakeItem(longest, "N5", "２秒", true, true);
  N6 = MakeItem(longest, "N6", "５秒", true, false);
  N7 = MakeItem(longest, "N7", "１０秒", true, false);

  Help1 = bar->addMenu(QString::fromUtf8("ヘルプ(&H)"));
  Help1->setObjectName("Help1");
  Tutorial1 = MakeItem(Help1, "Tutorial1", "使い方(&T)");
  About1 = MakeItem(Help1, "About1", "バージョン情報(&V)");
}

}  // namespace tremora
