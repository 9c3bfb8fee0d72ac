#include "app/SecondaryWindows.h"

#include "platform/WindowStyle.h"

namespace tremora {

SecondaryWindow::SecondaryWindow(const QString& name, const QString& caption, int width, int height,
                                 QColor background) {
  setObjectName(name);
  setWindowTitle(caption);
  resize(width, height);
  SetBackground(*this, background);
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
}

TLarge::TLarge() : SecondaryWindow("Large", "地震応答スペクトラム", 520, 534, ColorFromBgr(12425183)) {}

TNextStep::TNextStep() : SecondaryWindow("NextStep", "地震応答スペクトラム", 428, 232, ColorFromBgr(12425183)) {
  move(484, 309);
}

TSuper::TSuper() : SecondaryWindow("Super", "地震応答ｽﾍﾟｸﾄﾗﾑ", 415, 523, ColorFromBgr(9736954)) {
  move(318, 427);
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace tremora
