#include "app/TForm1.h"

#include <QLabel>

namespace tremora {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle("TREMORA 3.0");
  resize(800, 600);
  auto* label = new QLabel(QString::fromUtf8("地震データファイルを読み込んでください"), this);
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);
}

}  // namespace tremora
