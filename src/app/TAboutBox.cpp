#include "app/TAboutBox.h"

#include <QFrame>

#include "app/HelpText.h"
#include "app/ProgramIcon.h"
#include "app/WebLink.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

namespace {

TextLabel* MakeLink(QWidget* parent, const char* name, TrText caption, int x, int y) {
  auto* link = new TextLabel(parent, name, caption, x, y);
  QFont font = link->font();
  font.setUnderline(true);
  link->setFont(font);
  link->adjustSize();
  link->setCursor(Qt::PointingHandCursor);
  return link;
}

}  // namespace

TAboutBox::TAboutBox() {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  setObjectName("AboutBox");
  SetTitle(*this, Tr("TAboutBox", "バージョン情報"));
  setWindowFlags(Qt::Dialog);
  setFixedSize(305, 194);
  SetBackground(*this, QColor(247, 181, 136));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kTeal));

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 8, 289, 178);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);

  ProgramIcon = MakeClickablePicture(Panel1, "ProgramIcon", ProgramPicture(64), {10, 10, 64, 64},
                                     [this] { ProgramIconClick(); });
  SetHint(*ProgramIcon, Tr("TAboutBox", "クリックすると閉じます"));
  ProductName = new TextLabel(Panel1, "ProductName", "K-NET / KiK-net", 88, 14);
  Version = new TextLabel(Panel1, "Version", "TREMORA  Ver 3.0", 88, 36);
  SetTextColour(*Version, ColorFromBgr(colours::kRed));
  ReleaseDate = new TextLabel(Panel1, "ReleaseDate", "", 88, 58);
  WriteReleaseDate();

  Comments = new TextLabel(Panel1, "Comments", Tr("TAboutBox", "強震記録の波形表示と応答スペクトル計算"), 10, 86);
  Label2 = new TextLabel(Panel1, "Label2", Tr("TAboutBox", "制作: TREMORA 開発プロジェクト"), 10, 106);
  Label3 = new TextLabel(Panel1, "Label3", Tr("TAboutBox", "波形データ: 防災科学技術研究所"), 10, 126);
  Label1 = MakeLink(Panel1, "Label1", Tr("TAboutBox", "K-NET / KiK-net"), 10, 150);
  SetHint(*Label1, Tr("TAboutBox", "強震観測網のページへリンク"));
  Label4 = MakeLink(Panel1, "Label4", Tr("TAboutBox", "防災科研"), 150, 150);
  SetHint(*Label4, Tr("TAboutBox", "防災科学技術研究所のページへリンク"));
  Label1->OnClick = [this] { Label1Click(); };
  Label4->OnClick = [this] { Label4Click(); };

  CentreOnScreen(*this);
}

void TAboutBox::WriteReleaseDate() {
  ReleaseDate->SetCaption(QString::fromStdString(tremora::ReleaseDate()) + Translated(Tr("TAboutBox", "  Linux版")));
}

void TAboutBox::FollowLanguage() { WriteReleaseDate(); }

void TAboutBox::ProgramIconClick() { close(); }

void TAboutBox::Label1Click() { OpenWebPage(Links.network); }

void TAboutBox::Label4Click() { OpenWebPage(Links.institute); }

}  // namespace tremora
