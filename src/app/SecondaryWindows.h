#pragma once
// The secondary windows that are created at start-up with the main window. Each has its class
// name, caption, size and colour; their controls are built by the subsystems that own them.

#include <QWidget>

namespace tremora {

// A top-level window of fixed client size, hidden until shown.
class SecondaryWindow : public QWidget {
  Q_OBJECT

 public:
  SecondaryWindow(const QString& name, const QString& caption, int width, int height, QColor background);
};

}  // namespace tremora
