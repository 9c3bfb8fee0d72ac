// Window tests need a QApplication for fonts and palettes; they run on the offscreen platform.
#include <QApplication>
#include <clocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
