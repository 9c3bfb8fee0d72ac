#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Conversion.h"
#include "platform/ScriptedPlatform.h"

namespace tremora {
namespace {

TEST(TextToInt, AcceptsWholeIntegersOnly) {
  EXPECT_EQ(TextToInt("1400"), 1400);
  EXPECT_EQ(TextToInt("  -25"), -25);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"12a", "", " ", "-", "1.5", "12 ", "2147483648", "0x10"}) {
    EXPECT_THROW(TextToInt(bad), ConversionError) << bad;
  }
  try {
    TextToInt("12a");
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'12a' は整数として正しくありません。");
  }
}

TEST(TextToFloat, AcceptsDecimalNumbersWithBlanksAround) {
  EXPECT_FLOAT_EQ(TextToFloat("400"), 400.0f);
  EXPECT_FLOAT_EQ(TextToFloat(" 2.5 "), 2.5f);
  EXPECT_FLOAT_EQ(TextToFloat("-1e2"), -100.0f);
  for (const char* bad : {"", "abc", "1,5", "inf", "nan", "1e999", "2.5x"}) {
    EXPECT_THROW(TextToFloat(bad), ConversionError) << bad;
  }
  try {
    TextToFloat("4o0");
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'4o0' は数値として正しくありません。");
  }
}

class Controls : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  QWidget window;
  int runs = 0;
};

TEST_F(Controls, SettersRunTheHandlerOnlyWhenTheStateChanges) {
  CheckBox box(&window, "CB", "box", true);
  box.OnClick = [this] { ++runs; };
  box.SetChecked(true);
  EXPECT_EQ(runs, 0);
  box.SetChecked(false);
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(box.Checked());

  EditBox edit(&window, "Ed", "1");
  edit.OnChange = [this] { ++runs; };
  edit.SetText("1");
  edit.SetText("2");
  EXPECT_EQ(runs, 2);

  TrackBar bar(&window, "TB", 0, 100, 10);
  bar.OnChange = [this] { ++runs; };
  bar.SetPosition(150);  // brought into range
  EXPECT_EQ(bar.Position(), 100);
  bar.SetPosition(100);
  EXPECT_EQ(runs, 3);
  bar.SetMax(50);  // the position follows without a change notice
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(runs, 3);
}

TEST_F(Controls, RadioGroupSelectsReplacesItemsAndIgnoresTheSelectedItem) {
  RadioGroup group(&window, "RG", "group", {"a", "b", "c"}, 1, 0);
  group.OnClick = [this] { ++runs; };
  group.SetItemIndex(0);
  EXPECT_EQ(runs, 0);
  group.Button(2).click();  // the user
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(runs, 1);
  group.Button(2).click();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(group.Button(2).isChecked());
  EXPECT_FALSE(group.Button(0).isChecked());
  group.SetItems({"x", " ", " "});
  EXPECT_EQ(group.Items(), QStringList({"x", " ", " "}));
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(runs, 1);
}

TEST_F(Controls, NestedHandlersRunBeforeTheSetterReturns) {
  // The chain of the start controls: the track bar writes the edit box, whose handler runs at once.
  TrackBar bar(&window, "TB", 0, 100, 10);
  EditBox edit(&window, "Ed", "0");
  std::vector<std::string> order;
  edit.OnChange = [&] { order.push_back("edit " + edit.Text()); };
  bar.OnChange = [&] {
    edit.SetText(std::to_string(bar.Position()));
    order.push_back("bar");
  };
  bar.SetPosition(42);
  EXPECT_EQ(order, (std::vector<std::string>{"edit 42", "bar"}));
}

TEST_F(Controls, ErrorsOfCodeChangesReachTheCodeAndUserErrorsTheStandardBox) {
  EditBox edit(&window, "Ed", "");
  edit.OnChange = [&] { edit.IntValue(); };
  EXPECT_THROW(edit.SetText("x1"), ConversionError);
  EXPECT_TRUE(platform.standard_errors.empty());

  edit.setText("9z");
  emit edit.textEdited("9z");
  ASSERT_EQ(platform.standard_errors.size(), 1u);
  EXPECT_EQ(platform.standard_errors[0], "'9z' は整数として正しくありません。");

  QPushButton button(&window);
  ConnectClick(button, [] { throw std::runtime_error("stopped"); });
  button.click();
  QAction action(&window);
  ConnectTriggered(action, [] { TextToFloat("q"); });
  action.trigger();
  ASSERT_EQ(platform.standard_errors.size(), 3u);
  EXPECT_EQ(platform.standard_errors[1], "stopped");
  EXPECT_EQ(platform.standard_errors[2], "'q' は数値として正しくありません。");
}

}  // namespace
}  // namespace tremora
