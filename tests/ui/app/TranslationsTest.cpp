#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/Language.h"

namespace tremora::testing {
namespace {

TEST(QtJapaneseTranslation, StandardButtonsAndTheFileDialogReadJapanese) {
  if (!ApplyLanguage(*qApp, Language::Japanese)) GTEST_SKIP() << "qtbase_ja.qm is not installed";
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith("はい"));
  EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith("キャンセル"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "名前を付けて保存");

  // In English Qt speaks its own English.
  ASSERT_TRUE(ApplyLanguage(*qApp, Language::English));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Save As");
  RemoveLanguage();
}

}  // namespace
}  // namespace tremora::testing
