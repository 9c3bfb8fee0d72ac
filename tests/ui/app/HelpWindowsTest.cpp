#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "app/TAboutBox.h"
#include "app/THowTo.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

void Click(QWidget& widget) {
  const QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

class HelpWindows : public ApplicationFixture {};

TEST_F(HelpWindows, HelpShowsEveryPartOfTheTextAndItsIconClosesIt) {
  THowTo& help = application.HowTo();
  form.Tutorial1->trigger();
  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle().toStdString(), "使い方");
  EXPECT_EQ(help.size(), QSize(424, 364));
  EXPECT_FALSE(help.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(help.Memo1->isReadOnly());
  EXPECT_EQ(help.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(help.Image1->pixmap().isNull());

  const std::string text = help.Memo1->toPlainText().toStdString();
  EXPECT_TRUE(text.starts_with("K-NET/KiK-net 観測波形解析  TREMORA Ver 3.0\n"));
  std::size_t previous = 0;
  for (const char* part : {"【このプログラムについて】", "【広島市の観測記録】", "【ダウンロードページ】",
                           "【ファイル名について】", "【使い方】", "(6) 波形の合成", "(7) ", "【観測点データベース】",
                           "sitename.csv", "【改訂履歴】"}) {
    const std::size_t at = text.find(part);
    ASSERT_NE(at, std::string::npos) << part;
    EXPECT_GT(at, previous) << part << " out of order";
    previous = at;
  }

  Click(*help.Image1);
  EXPECT_FALSE(help.isVisible());
}

TEST_F(HelpWindows, VersionWindowShowsTheVersionOpensItsLinksAndClosesOnItsIcon) {
  TAboutBox& about = application.AboutBox();
  form.About1->trigger();
  ASSERT_TRUE(about.isVisible());
  EXPECT_EQ(about.Version->Caption(), "TREMORA  Ver 3.0");
  EXPECT_EQ(about.Version->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(about.ProgramIcon->size(), QSize(64, 64));

  Click(*about.Label1);
  platform.browser_works = false;
  Click(*about.Label4);
  EXPECT_EQ(platform.opened_urls, (std::vector<std::string>{about.Links.network, about.Links.institute}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "インターネットエクスプローラの起動に失敗しました　　　　");
  EXPECT_EQ(platform.messages[0].caption, "readme.htm呼び出しエラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);

  Click(*about.ProgramIcon);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace tremora::testing
