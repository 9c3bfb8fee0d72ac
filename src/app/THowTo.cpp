#include "app/THowTo.h"

#include <QPlainTextEdit>

#include "app/HelpText.h"
#include "app/ProgramIcon.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/Translated.h"
#include "platform/WindowStyle.h"

namespace tremora {

THowTo::THowTo() {
  OnLanguageChange(*this, [this] { FollowLanguage(); });
  setObjectName("HowTo");
  SetTitle(*this, Tr("THowTo", "使い方"));
  // A fixed border with a title but no title-bar buttons. A window manager that adds a close box
  // anyway only hides the window: it is never destroyed before the program ends.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(424, 364);
  SetBackground(*this, QColor(184, 192, 173));
  setFont(JapaneseFont(FontFace::ProportionalGothic, 13, true));
  SetTextColour(*this, ColorFromBgr(colours::kNavy));

  Image1 = MakeClickablePicture(this, "Image1", ProgramPicture(32), {16, 8, 32, 32}, [this] { Image1Click(); });
  SetHint(*Image1, Tr("THowTo", "クリックすると閉じます"));

  Label1 = new TextLabel(this, "Label1", "K-NET / KiK-net TREMORA", 64, 12);
  Label1->setFont(JapaneseFont(FontFace::ProportionalGothic, 21, true));
  SetTextColour(*Label1, ColorFromBgr(colours::kTeal));
  Label1->adjustSize();

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(24, 48, 377, 305);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(QString::fromStdString(HelpText()));

  CentreOnScreen(*this);
}

void THowTo::Image1Click() { close(); }

void THowTo::FollowLanguage() { Memo1->setPlainText(QString::fromStdString(HelpText())); }

}  // namespace tremora
