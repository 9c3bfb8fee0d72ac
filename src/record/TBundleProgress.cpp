#include "record/TBundleProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/Platform.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {
constexpr int kPollMs = 40;
constexpr int kSteps = 1000;
}  // namespace

TBundleProgress::TBundleProgress() {
  setObjectName("BundleProgress");
  SetTitle(*this, Tr("TBundleProgress", "　　お待ちください"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(360, 150);
  SetBackground(*this, ColorFromBgr(9008635));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kBlue));
  Label1 = new TextLabel(this, "Label1", "", 32, 24);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(32, 60, 296, 22);
  ProgressBar1->setRange(0, kSteps);
  Button1 = MakeButton(this, "Button1", Tr("TBundleProgress", "キャンセル"), {135, 102, 90, 28});
  ConnectClick(*Button1, [this] { Button1Click(); });
  timer_ = new QTimer(this);
  timer_->setInterval(kPollMs);
  ConnectGuarded(timer_, &QTimer::timeout, this, [this] { Poll(); });
}

bool TBundleProgress::Watch(TrText text, const std::function<std::optional<double>()>& poll) {
  SetText(*Label1, text);
  ProgressBar1->setValue(0);
  cancelled_ = false;
  program_ending_ = false;
  poll_ = poll;
  CentreOnScreen(*this);
  QCoreApplication::instance()->installEventFilter(this);
  timer_->start();
  const bool closed = CurrentPlatform().ShowModal(*this);
  timer_->stop();
  QCoreApplication::instance()->removeEventFilter(this);
  hide();
  return closed && !cancelled_;
}

void TBundleProgress::Poll() {
  const std::optional<double> done = poll_ ? poll_() : std::nullopt;
  if (!done) {
    hide();
    return;
  }
  ProgressBar1->setValue(static_cast<int>(*done * kSteps));
}

void TBundleProgress::Button1Click() {
  cancelled_ = true;
  hide();
}

void TBundleProgress::closeEvent(QCloseEvent* event) {
  RunGuarded([this, event] {
    // Refusing the close while the program ends would keep it running until the unpacking is done.
    if (program_ending_) {
      cancelled_ = true;
      event->accept();
    } else {
      event->ignore();
    }
  });
}

bool TBundleProgress::eventFilter(QObject* watched, QEvent* event) {
  return AnswerGuarded(
      [&] {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) program_ending_ = true;
        return QWidget::eventFilter(watched, event);
      },
      false);
}

}  // namespace tremora
