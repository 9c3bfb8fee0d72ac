#include <gtest/gtest.h>

#include "platform/QtPlatform.h"

namespace tremora {
namespace {

TEST(QtFilter, KeepsTextsThatNameTheirPatternsAndAppendsThemToOthers) {
  EXPECT_EQ(ToQtFilter("PELTIX CSV ﾌｧｲﾙ (*.csv)|*.csv").toStdString(), "PELTIX CSV ﾌｧｲﾙ (*.csv)");
  EXPECT_EQ(ToQtFilter("GIFﾌｧｲﾙ (*,gif)|*.gif|すべて (*.*)|*.*").toStdString(),
            "GIFﾌｧｲﾙ (*,gif) (*.gif);;すべて (*.*)");
  EXPECT_EQ(ToQtFilter("地震ﾌｧｲﾙ(.*.ns*)|*.ns*|a|*.x;*.y").toStdString(), "地震ﾌｧｲﾙ(.*.ns*) (*.ns*);;a (*.x *.y)");
  EXPECT_EQ(ToQtFilter("すべて(*.*)|*.*|NIED 配布ファイル (*.tar;*.tar.gz;*.tgz)|*.tar;*.tar.gz;*.tgz").toStdString(),
            "すべて(*.*);;NIED 配布ファイル (*.tar *.tar.gz *.tgz)");
  EXPECT_EQ(ToQtFilter("").toStdString(), "");
}

}  // namespace
}  // namespace tremora
