#include <QAction>
#include <QMenu>

#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

class SpectrumContextMenu : public SpectrumWindowFixture {};

TEST_F(SpectrumContextMenu, OffersTheMainMenusSettingsWithTheirChecksAndHandlers) {
  LoadAndOpen();
  ASSERT_EQ(spect.MyGraph1->contextMenuPolicy(), Qt::ActionsContextMenu);
  const QList<QAction*> items = spect.MyGraph1->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "減衰比倍率");
  EXPECT_EQ(items[1]->text(), "線形目盛り最長周期");
  EXPECT_EQ(items[2]->text(), "計算法");

  // A choice on the graph is the main menu's choice: its handler runs, its check moves there.
  items[1]->menu()->actions()[1]->trigger();
  EXPECT_TRUE(form.N6->isChecked());
  EXPECT_FALSE(form.N5->isChecked());
  EXPECT_FLOAT_EQ(spect.LinearMaxPeriod, 5.0f);
  form.N3->trigger();
  EXPECT_TRUE(items[0]->menu()->actions()[2]->isChecked());
  items[2]->menu()->actions()[1]->trigger();
  EXPECT_TRUE(form.MethodExact->isChecked());
  EXPECT_EQ(spect.Method, SpectrumMethod::Exact);
}

}  // namespace
}  // namespace tremora::testing
