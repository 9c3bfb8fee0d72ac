#pragma once
// The usage help window: the program's icon, its name and the help text.

#include <QWidget>

class QPlainTextEdit;

namespace tremora {

class TextLabel;

class THowTo : public QWidget {
  Q_OBJECT

 public:
  THowTo();

  // The window has no close button of its own: a click on the icon closes it.
  void Image1Click();

  TextLabel* Image1 = nullptr;
  TextLabel* Label1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

 protected:
  // The help text is written again in the new language.
  void FollowLanguage();
};

}  // namespace tremora
