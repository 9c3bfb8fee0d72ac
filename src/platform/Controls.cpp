#include "platform/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/Conversion.h"

namespace tremora {

void ConnectClick(QAbstractButton& button, Handler handler) {
  ConnectGuarded(&button, &QAbstractButton::clicked, &button, std::move(handler));
}

void ConnectTriggered(QAction& action, Handler handler) {
  ConnectGuarded(&action, &QAction::triggered, &action, std::move(handler));
}

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked)
    : QCheckBox(caption, parent) {
  setObjectName(name);
  setChecked(checked);
  // clicked is emitted for user clicks only, after the state has changed.
  ConnectGuarded(this, &QCheckBox::clicked, this, [this] {
    if (OnClick) OnClick();
  });
}

void CheckBox::SetChecked(bool checked) {
  if (checked == isChecked()) return;
  setChecked(checked);
  if (OnClick) OnClick();
}

CheckBox::CheckBox(QWidget* parent, const QString& name, TrText caption, bool checked)
    : CheckBox(parent, name, QString(), checked) {
  SetText(*this, caption);
}

RadioGroup::RadioGroup(QWidget* parent, const QString& name, TrText caption, const std::vector<TrText>& items,
                       int columns, int item_index)
    : RadioGroup(parent, name, QString(), QStringList(static_cast<qsizetype>(items.size())), columns, item_index) {
  SetText(*this, caption);
  for (size_t i = 0; i < items.size(); ++i) SetText(Button(static_cast<int>(i)), items[i]);
}

RadioGroup::RadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items,
                       int columns, int item_index)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 2, 4, 2);
  layout->setSpacing(0);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    // The group keeps the selection itself; buttons only show it.
    button->setAutoExclusive(false);
    layout->addWidget(button, i % rows, i / rows);
    buttons_.push_back(button);
    ConnectGuarded(button, &QRadioButton::clicked, this, [this, i] { UserSelected(i); });
  }
  item_index_ = item_index;
  ShowSelection();
}

void RadioGroup::UserSelected(int index) {
  if (index == item_index_) {
    ShowSelection();  // a click on the selected item leaves it selected
    return;
  }
  item_index_ = index;
  ShowSelection();
  if (OnClick) OnClick();
}

void RadioGroup::ShowSelection() {
  for (int i = 0; i < Count(); ++i) {
    const QSignalBlocker blocker(buttons_[i]);
    buttons_[i]->setChecked(i == item_index_);
  }
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == item_index_) return;
  item_index_ = index;
  ShowSelection();
  if (OnClick) OnClick();
}

QStringList RadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* button : buttons_) items << button->text();
  return items;
}

void RadioGroup::SetItems(const QStringList& items) {
  setUpdatesEnabled(false);
  for (int i = 0; i < Count() && i < items.size(); ++i) buttons_[i]->setText(items[i]);
  setUpdatesEnabled(true);
}

TrackBar::TrackBar(QWidget* parent, const QString& name, int minimum, int maximum, int tick_interval)
    : QSlider(Qt::Horizontal, parent) {
  setObjectName(name);
  setRange(minimum, maximum);
  setPageStep(1);
  setSingleStep(1);
  setTickInterval(tick_interval);
  setTickPosition(QSlider::TicksBelow);
  ConnectGuarded(this, &QSlider::valueChanged, this, [this] {
    if (!setting_from_code_ && OnChange) OnChange();
  });
}

void TrackBar::SetPosition(int position) {
  position = std::clamp(position, minimum(), maximum());
  if (position == value()) return;
  setting_from_code_ = true;
  setValue(position);
  setting_from_code_ = false;
  if (OnChange) OnChange();
}

void TrackBar::SetMax(int maximum) {
  setting_from_code_ = true;
  setMaximum(std::max(maximum, minimum()));
  setting_from_code_ = false;
}

EditBox::EditBox(QWidget* parent, const QString& name, const QString& text) : QLineEdit(text, parent) {
  setObjectName(name);
  // textEdited is emitted for the user's typing only.
  ConnectGuarded(this, &QLineEdit::textEdited, this, [this] {
    if (OnChange) OnChange();
  });
}

void EditBox::SetText(const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (value == this->text()) return;
  setText(value);
  if (OnChange) OnChange();
}

int EditBox::IntValue() const { return TextToInt(Text()); }

float EditBox::FloatValue() const { return TextToFloat(Text()); }

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y)
    : QLabel(caption, parent) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
  move(x, y);
  adjustSize();
}

TextLabel::TextLabel(QWidget* parent, const QString& name, TrText caption, int x, int y)
    : TextLabel(parent, name, QString(), x, y) {
  SetText(*this, caption);
}

void TextLabel::SetCaption(const std::string& caption) { SetCaption(QString::fromStdString(caption)); }

void TextLabel::SetCaption(const QString& caption) {
  setText(caption);
  adjustSize();
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
  RunGuarded([&] {
    QLabel::mouseReleaseEvent(event);
    if (OnClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) OnClick();
  });
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry, const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  if (hint != nullptr) button->setToolTip(QString::fromUtf8(hint));
  return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, TrText caption, QRect geometry, TrText hint) {
  QPushButton* button = MakeButton(parent, name, "", geometry);
  SetText(*button, caption);
  if (hint.source != nullptr) SetHint(*button, hint);
  return button;
}

}  // namespace tremora
