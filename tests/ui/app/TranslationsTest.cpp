#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "app/Translations.h"

namespace tremora::testing {
namespace {

TEST(QtJapaneseTranslation, StandardButtonsAndTheFileDialogReadJapanese) {
  if (!InstallQtJapaneseTranslation(*qApp)) GTEST_SKIP() << "qtbase_ja.qm is not installed";
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith("はい"));
  EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith("キャンセル"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "名前を付けて保存");

  // The other tests see Qt's own texts.
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace
}  // namespace tremora::testing
