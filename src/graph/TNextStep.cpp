#include "graph/TNextStep.h"

#include <QCloseEvent>
#include <QFrame>

#include "app/Application.h"
#include "graph/EnlargedSteps.h"
#include "graph/GraphPictureExport.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "platform/Controls.h"
#include "platform/WindowStyle.h"
#include "spectrum/TSpect.h"

namespace tremora {

namespace {

constexpr std::uint32_t kBackground = 12425183;

}  // namespace

TNextStep::TNextStep(Application& application)
    : SecondaryWindow("NextStep", "", 428, 232, ColorFromBgr(kBackground)), application_(application) {
  SetTitle(*this, Tr("TNextStep", "地震応答スペクトラム"));
  move(484, 309);
  // Above the overlay window, which stays on top of the others and would cover the lower row.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  // The enlarged view.
  Label1 = new TextLabel(this, "Label1", Tr("TNextStep", "地震応答スペクトラム拡大図"), 32, 16);
  Button4 = MakeButton(this, "Button4", Tr("TNextStep", "GIFﾌｧｲﾙ"), {312, 16, 75, 25},
                       Tr("TNextStep", "現在の拡大図をGIFﾌｧｲﾙで保存"));
  Button1 = MakeButton(this, "Button1", Tr("TNextStep", "次　へ"), {24, 56, 75, 25}, Tr("TNextStep", "次の拡大図"));
  Button2 = MakeButton(this, "Button2", Tr("TNextStep", "戻　る"), {120, 56, 75, 25}, Tr("TNextStep", "前の拡大図"));
  Button8 = MakeButton(this, "Button8", Tr("TNextStep", "コピー"), {216, 56, 75, 25}, Tr("TNextStep", "ｸﾘｯﾌﾟボードへｺﾋﾟｰ"));
  Button3 = MakeButton(this, "Button3", Tr("TNextStep", "閉じる"), {312, 56, 75, 25}, Tr("TNextStep", "拡大図を終了"));
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameShape(QFrame::HLine);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(8, 98, 393, 3);
  // The overlay.
  Label2 = new TextLabel(this, "Label2", Tr("TNextStep", "地震応答スペクトラムの重ね合わせ図"), 32, 120);
  Button7 = MakeButton(this, "Button7", Tr("TNextStep", "GIFﾌｧｲﾙ"), {312, 112, 75, 25},
                       Tr("TNextStep", "重ね合わせｽﾍﾟｸﾄﾗﾑをGIFﾌｧｲﾙで保存"));
  Button5 = MakeButton(this, "Button5", Tr("TNextStep", "新規作図"), {24, 152, 75, 25},
                       Tr("TNextStep", "現在の拡大図で新規にｽﾍﾟｸﾄﾗﾑを作成"));
  Button6 = MakeButton(this, "Button6", Tr("TNextStep", "重ね合わせ"), {120, 152, 75, 25}, Tr("TNextStep", "現在の拡大図を追加する"));
  Button9 = MakeButton(this, "Button9", Tr("TNextStep", "コピー"), {216, 152, 75, 25}, Tr("TNextStep", "ｸﾘｯﾌﾟボードへｺﾋﾟｰ"));
  Button10 = MakeButton(this, "Button10", Tr("TNextStep", "閉じる"), {312, 152, 75, 25});

  ConnectClick(*Button1, [this] { Button1Click(); });
  ConnectClick(*Button2, [this] { Button2Click(); });
  ConnectClick(*Button3, [this] { Button3Click(); });
  ConnectClick(*Button4, [this] { Button4Click(); });
  ConnectClick(*Button5, [this] { Button5Click(); });
  ConnectClick(*Button6, [this] { Button6Click(); });
  ConnectClick(*Button7, [this] { Button7Click(); });
  ConnectClick(*Button8, [this] { Button8Click(); });
  ConnectClick(*Button9, [this] { Button9Click(); });
  ConnectClick(*Button10, [this] { Button10Click(); });
}

void TNextStep::Leave(unsigned char command) {
  application_.Spect().StepCommand = command;
  hide();
}

void TNextStep::EnableOverlayButtons(bool enabled) {
  application_.Super().BtnSPGIF->setEnabled(enabled);
  application_.Super().Button1->setEnabled(enabled);
}

void TNextStep::Button1Click() { Leave(static_cast<unsigned char>(StepCommand::Next)); }

void TNextStep::Button2Click() { Leave(static_cast<unsigned char>(StepCommand::Back)); }

void TNextStep::Button3Click() {
  EnableOverlayButtons(true);
  Leave(static_cast<unsigned char>(StepCommand::Close));
}

void TNextStep::Button4Click() { Leave(static_cast<unsigned char>(StepCommand::EnlargedGif)); }

void TNextStep::Button5Click() {
  Leave(static_cast<unsigned char>(StepCommand::NewOverlay));
  application_.Spect().OverlayCount = 0;
  // Until the new overlay is drawn.
  EnableOverlayButtons(false);
}

void TNextStep::Button6Click() {
  Leave(static_cast<unsigned char>(StepCommand::AddToOverlay));
  ++application_.Spect().OverlayCount;
}

void TNextStep::Button7Click() { Leave(static_cast<unsigned char>(StepCommand::OverlayGif)); }

void TNextStep::Button8Click() { CopyGraphClientArea(*application_.Large().MyGraph1, application_.Large()); }

void TNextStep::Button9Click() { CopyGraphClientArea(*application_.Super().MyGraph1, application_.Super()); }

void TNextStep::closeEvent(QCloseEvent* event) {
  RunGuarded([this, event] {
    Button3Click();
    event->accept();
  });
}

}  // namespace tremora
