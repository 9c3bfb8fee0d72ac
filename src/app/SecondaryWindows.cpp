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

THowTo::THowTo() : SecondaryWindow("HowTo", "使い方", 424, 364, QColor(184, 192, 173)) {}

TAboutBox::TAboutBox() : SecondaryWindow("AboutBox", "バージョン情報", 305, 194, QColor(247, 181, 136)) {}

TLarge::TLarge() : SecondaryWindow("Large", "地震応答スペクトラム", 520, 534, ColorFromBgr(12425183)) {}

TNextStep::TNextStep() : SecondaryWindow("NextStep", "地震応答スペクトラム", 428, 232, ColorFromBgr(12425183)) {
  move(484, 309);
}

TSuper::TSuper() : SecondaryWindow("Super", "地震応答ｽﾍﾟｸﾄﾗﾑ", 415, 523, ColorFromBgr(9736954)) {
  move(318, 427);
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

TSiteList::TSiteList() : SecondaryWindow("SiteList", "K-NET / KiK-net 観測点リスト", 881, 528, QColor(196, 255, 255)) {
  setFont(JapaneseFont(FontFace::FixedGothic, 12, true));
}

THRSMList::THRSMList()
    : SecondaryWindow("HRSMList", "広島市地震情報ネットワークシステム　", 712, 339, QColor(196, 255, 255)) {}

}  // namespace tremora
