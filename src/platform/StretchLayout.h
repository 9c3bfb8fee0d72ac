#pragma once
// The room a window larger than its fixed-position layout gives: each growing control takes its
// share of the extra width and height, and every control right of or below a growing one moves on
// by what that one grew, so the panels beside a plot stay beside it. A window smaller than its
// layout is not allowed: the layout's size becomes the window's minimum.

#include <utility>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace tremora {

class StretchLayout : public QObject {
 public:
  struct Growth {
    QWidget* control;
    double width_share;  // of the extra width, 0 .. 1
    double height_share;
  };
  // The present sizes and places of window and of the children of controls_parent are the
  // layout's; controls_parent is window or its central area.
  StretchLayout(QWidget& window, QWidget& controls_parent, std::vector<Growth> growing);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();

  QWidget& window_;
  QSize layout_size_;
  std::vector<std::pair<Growth, QRect>> growing_;
  std::vector<std::pair<QPointer<QWidget>, QRect>> controls_;
};

}  // namespace tremora
