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

TSiteList::TSiteList() : SecondaryWindow("SiteList", "K-NET / KiK-net 観測点リスト", 881, 528, QColor(196, 255, 255)) {
  setFont(JapaneseFont(FontFace::FixedGothic, 12, true));
}

TSynthe::TSynthe() : SecondaryWindow("Synthe", "水平成分波形の合成", 560, 300, ColorFromBgr(9008635)) {}

THRSMList::THRSMList()
    : SecondaryWindow("HRSMList", "広島市地震情報ネットワークシステム　", 712, 339, QColor(196, 255, 255)) {}

}  // namespace tremora
