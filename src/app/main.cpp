#include <QApplication>
#include <clocale>

#include "app/TForm1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Qt takes the locale from the environment; numbers in files and labels are always written
  // with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("TREMORA 3.0");
  tremora::TForm1 form;
  form.show();
  return application.exec();
}
