#include "app/ProgramIcon.h"

#include "platform/Controls.h"

// Outside any namespace, as Qt's macro requires.
static void RegisterProgramIconResources() { Q_INIT_RESOURCE(program_icon); }

namespace tremora {

QPixmap ProgramPicture(int edge) {
  static const bool registered = (RegisterProgramIconResources(), true);
  (void)registered;
  return QPixmap(edge <= 32 ? ":/icons/tremora-32.png" : ":/icons/tremora-64.png");
}

QIcon ProgramWindowIcon() {
  QIcon icon;
  icon.addPixmap(ProgramPicture(32));
  icon.addPixmap(ProgramPicture(64));
  return icon;
}

TextLabel* MakeClickablePicture(QWidget* parent, const char* name, const QPixmap& picture, const QRect& geometry,
                                Handler on_click) {
  auto* label = new TextLabel(parent, name, QString(), geometry.x(), geometry.y());
  label->setPixmap(picture);
  label->setScaledContents(true);
  label->setGeometry(geometry);
  label->setCursor(Qt::PointingHandCursor);
  label->OnClick = std::move(on_click);
  return label;
}

}  // namespace tremora
