#include "platform/StretchLayout.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QWidget>

#include "platform/HandlerGuard.h"

namespace tremora {

StretchLayout::StretchLayout(QWidget& window, QWidget& controls_parent, std::vector<Growth> growing)
    : QObject(&window), window_(window), layout_size_(window.size()) {
  window.setMinimumSize(layout_size_);
  for (const Growth& growth : growing) growing_.emplace_back(growth, growth.control->geometry());
  for (QWidget* control : controls_parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    controls_.emplace_back(control, control->geometry());
  }
  window.installEventFilter(this);
}

bool StretchLayout::eventFilter(QObject* watched, QEvent* event) {
  return AnswerGuarded(
      [&] {
        if (watched == &window_ && event->type() == QEvent::Resize) Place();
        return false;
      },
      false);
}

void StretchLayout::Place() {
  const int extra_width = std::max(0, window_.width() - layout_size_.width());
  const int extra_height = std::max(0, window_.height() - layout_size_.height());
  for (const auto& [control, place] : controls_) {
    if (!control) continue;
    // Only the growing controls are sized here: the others keep whatever size they have.
    QRect target(place.topLeft(), control->size());
    for (const auto& [growth, grown_place] : growing_) {
      const int wider = static_cast<int>(std::floor(extra_width * growth.width_share));
      const int taller = static_cast<int>(std::floor(extra_height * growth.height_share));
      if (growth.control == control) target.setSize(place.size() + QSize(wider, taller));
      // Controls right of or below a growing one keep their distance to it.
      if (place.left() > grown_place.right()) target.translate(wider, 0);
      if (place.top() > grown_place.bottom()) target.translate(0, taller);
    }
    if (target != control->geometry()) control->setGeometry(target);
  }
}

}  // namespace tremora
