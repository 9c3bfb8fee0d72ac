#include "wave/TWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "platform/Controls.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {
constexpr int kExposeWaitMs = 500;
}

TWait::TWait() {
  setObjectName("Wait");
  SetTitle(*this, Tr("TWait", "　　お待ちください"));
  setGeometry(339, 218, 360, 132);
  SetBackground(*this, ColorFromBgr(9008635));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kBlue));
  // Each showing brings its own text, so this one is not set again in another language.
  Label1 = new TextLabel(this, "Label1", Translated(Tr("TWait", "応答スペクトルを計算しています・・・・")), 32, 40);
}

void TWait::ShowWith(const std::string& text) {
  Label1->SetCaption(text);
  show();
  raise();
  // An X server maps a new window asynchronously, and Qt paints a window only once it has been
  // exposed. Wait for that, handling window-system events only: the user's input stays queued
  // until the work is done, so no handler can run in between.
  QElapsedTimer waited;
  waited.start();
  while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
  repaint();
}

void TWait::Close() { hide(); }

}  // namespace tremora
