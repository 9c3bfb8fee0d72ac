#pragma once
// Controls whose state changes run their handler whether the user or the program made the change.
// The waveform redraw chain depends on it: a handler that sets a track bar's position or an edit
// box's text runs that control's handler at once, nested, before it goes on.
//
//  - From code: the setters (SetChecked, SetItemIndex, SetPosition, SetText) change the state and,
//    when it really changed, call the handler directly. Its errors unwind into the caller.
//  - From the user: Qt's signal reaches the handler through RunGuarded, so errors become the
//    standard error box and never cross Qt's code.
//
// Every control takes its name as Qt object name, so windows and tests find it by that name.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QSlider>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/HandlerGuard.h"
#include "platform/Translated.h"

class QAbstractButton;
class QPushButton;
class QAction;
class QRadioButton;
class QButtonGroup;

namespace tremora {

// User clicks and menu choices reach handler through the guard.
void ConnectClick(QAbstractButton& button, Handler handler);
void ConnectTriggered(QAction& action, Handler handler);

class CheckBox : public QCheckBox {
 public:
  CheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked);
  CheckBox(QWidget* parent, const QString& name, TrText caption, bool checked);
  Handler OnClick;
  bool Checked() const { return isChecked(); }
  // Sets the state; when it changes, runs OnClick.
  void SetChecked(bool checked);
};

// A group box of radio buttons, one of which (or none, -1) is the selected item.
class RadioGroup : public QGroupBox {
 public:
  RadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items, int columns,
             int item_index);
  // Caption and items in the current language, set again when it changes.
  RadioGroup(QWidget* parent, const QString& name, TrText caption, const std::vector<TrText>& items, int columns,
             int item_index);
  Handler OnClick;
  int ItemIndex() const { return item_index_; }
  // Selects item index (-1: none); when the selection changes, runs OnClick.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QStringList Items() const;
  // Replaces the captions of the items in one update; the selected item number stays and no
  // handler runs. The number of items must stay the same.
  void SetItems(const QStringList& items);
  QRadioButton& Button(int index) const { return *buttons_.at(index); }

 private:
  void UserSelected(int index);
  void ShowSelection();
  std::vector<QRadioButton*> buttons_;
  int item_index_ = -1;
};

class TrackBar : public QSlider {
 public:
  TrackBar(QWidget* parent, const QString& name, int minimum, int maximum, int tick_interval);
  Handler OnChange;
  int Position() const { return value(); }
  // Moves to position, brought into minimum .. maximum; when it changes, runs OnChange.
  void SetPosition(int position);
  // A new maximum; a position beyond it is brought back without running OnChange.
  void SetMax(int maximum);

 private:
  bool setting_from_code_ = false;
};

class EditBox : public QLineEdit {
 public:
  EditBox(QWidget* parent, const QString& name, const QString& text);
  Handler OnChange;
  std::string Text() const { return text().toStdString(); }
  // Sets the text; when it differs from the present text, runs OnChange.
  void SetText(const std::string& text);
  // The text as a number; ConversionError when it is not one.
  int IntValue() const;
  float FloatValue() const;
};

// A label that sizes itself to its text, as the window definitions' labels do. With OnClick set
// it is a link: a pointing-hand cursor and the handler on a click.
class TextLabel : public QLabel {
 public:
  TextLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y);
  TextLabel(QWidget* parent, const QString& name, TrText caption, int x, int y);
  Handler OnClick;
  std::string Caption() const { return text().toStdString(); }
  void SetCaption(const std::string& caption);
  void SetCaption(const QString& caption);
  void SetCaption(const char* caption) { SetCaption(QString::fromUtf8(caption)); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A push button of a window: its control name as object name, its caption, place and hint.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                        const char* hint = nullptr);
// The same with caption and hint in the current language, set again when it changes.
QPushButton* MakeButton(QWidget* parent, const char* name, TrText caption, QRect geometry, TrText hint = {});

}  // namespace tremora
