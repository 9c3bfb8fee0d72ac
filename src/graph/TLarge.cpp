#include "graph/TLarge.h"

#include "app/Application.h"
#include "app/TForm1.h"
#include "graph/GraphPictureExport.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {
constexpr std::uint32_t kBackground = 12425183;
}

TLarge::TLarge(Application& application)
    : SecondaryWindow("Large", "", 520, 534, ColorFromBgr(kBackground)), application_(application) {
  SetTitle(*this, Tr("TLarge", "地震応答スペクトラム"));
  MyGraph1 = new TMyGraph(this);
  MyGraph1->setObjectName("MyGraph1");
  MyGraph1->setGeometry(16, 16, 481, 481);
  MyGraph1->WidthX = 400;
  MyGraph1->HeightY = 400;
  MyGraph1->OriginX = 50;
  MyGraph1->OriginY = 440;
  MyGraph1->VValueX = 5.0f;
  MyGraph1->VValueY = 10.0f;

  // The stepping window offers both commands; these two buttons stay hidden.
  Button2 = MakeButton(this, "Button2", Tr("TLarge", "閉じる"), {424, 500, 75, 25});
  Button2->setVisible(false);
  BtnLGGIF = MakeButton(this, "BtnLGGIF", Tr("TLarge", "GIFﾌｧｲﾙ"), {336, 500, 75, 25});
  BtnLGGIF->setVisible(false);
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectClick(*BtnLGGIF, [this] { BtnLGGIFClick(); });

  SaveDialog1 = GraphGifDialog();
  CentreOnScreen(*this);
}

// The enlarged view shows the spectrum window's set.
void TLarge::BtnLGGIFClick() {
  SaveGraphGif(*MyGraph1, SaveDialog1, application_.Spect().Source.RecordBaseName, ShownResponse,
               application_.Form1().Record);
}

void TLarge::Button2Click() {
  application_.Spect().CBLarge->SetChecked(false);
  hide();
}

}  // namespace tremora
