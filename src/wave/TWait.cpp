#include "wave/TWait.h"

#include "platform/Controls.h"
#include "platform/WindowStyle.h"

namespace tremora {

TWait::TWait() {
  setObjectName("Wait");
  setWindowTitle("　　お待ちください");
  setGeometry(339, 218, 360, 132);
  SetBackground(*this, ColorFromBgr(9008635));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kBlue));
  Label1 = new TextLabel(this, "Label1", "応答スペクトルを計算しています・・・・", 32, 40);
}

void TWait::ShowWith(const std::string& text) {
  Label1->SetCaption(text);
  show();
  raise();
  repaint();
}

void TWait::Close() { hide(); }

}  // namespace tremora
