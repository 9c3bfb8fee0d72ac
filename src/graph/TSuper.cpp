#include "graph/TSuper.h"

#include "app/Application.h"
#include "app/TForm1.h"
#include "graph/GraphPictureExport.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {
constexpr std::uint32_t kBackground = 9736954;

// In one row under the graph.
QRect ButtonPlace(int left) { return {left, 472, 75, 25}; }
}  // namespace

TSuper::TSuper(Application& application)
    : SecondaryWindow("Super", "", 415, 523, ColorFromBgr(kBackground)), application_(application) {
  SetTitle(*this, Tr("TSuper", "地震応答ｽﾍﾟｸﾄﾗﾑ"));
  move(318, 427);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  MyGraph1 = new TMyGraph(this);
  MyGraph1->setObjectName("MyGraph1");
  MyGraph1->setGeometry(32, 32, 345, 417);
  MyGraph1->WidthX = 250;
  MyGraph1->HeightY = 250;
  MyGraph1->OriginX = 50;
  MyGraph1->OriginY = 270;
  MyGraph1->VValueX = 5.0f;
  MyGraph1->VValueY = 10.0f;

  BtnSPGIF = MakeButton(this, "BtnSPGIF", Tr("TSuper", "GIFﾌｧｲﾙ"), ButtonPlace(32));
  Button2 = MakeButton(this, "Button2", Tr("TSuper", "コピー"), ButtonPlace(167));
  Button1 = MakeButton(this, "Button1", Tr("TSuper", "閉じる"), ButtonPlace(302));
  // Enabled once the first overlay has been drawn.
  BtnSPGIF->setEnabled(false);
  Button1->setEnabled(false);
  ConnectClick(*BtnSPGIF, [this] { BtnSPGIFClick(); });
  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  SaveDialog1 = GraphGifDialog();
}

// An overlay may hold spectra of different responses: its name names none.
void TSuper::BtnSPGIFClick() { SaveGraphGif(*MyGraph1, SaveDialog1, BaseName, "", application_.Form1().Record); }

void TSuper::Button2Click() { CopyGraphClientArea(*MyGraph1, *this); }

}  // namespace tremora
