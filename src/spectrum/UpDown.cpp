#include "spectrum/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Controls.h"

namespace tremora {

UpDown::UpDown(QWidget* parent, const QString& name, EditBox& associate, int minimum, int maximum, int position)
    : QWidget(parent), associate_(associate), minimum_(minimum), maximum_(maximum), position_(minimum) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const int step : {1, -1}) {
    auto* arrow = new QToolButton(this);
    arrow->setObjectName(step > 0 ? "Up" : "Down");
    arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(arrow);
    ConnectGuarded(arrow, &QToolButton::clicked, this, [this, step] { Click(step); });
  }
  ConnectGuarded(&associate_, &QLineEdit::editingFinished, this, [this] { TakeTypedPosition(); });
  SetPosition(position);
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  associate_.SetText(std::to_string(position_));
}

void UpDown::Click(int step) {
  SetPosition(position_ + step);
  if (OnClick) OnClick();
}

void UpDown::TakeTypedPosition() {
  bool number = false;
  const int typed = associate_.text().trimmed().toInt(&number);
  SetPosition(number ? typed : position_);
}

}  // namespace tremora
