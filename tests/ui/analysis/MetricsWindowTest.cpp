// The strong-motion indices window: opened from its menu item, following loads, copy and CSV.

#include <QAction>
#include <QCoreApplication>
#include <QTableWidget>

#include "analysis/TMetrics.h"
#include "app/Language.h"
#include "base/TextFile.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class MetricsWindow : public ApplicationFixture {
 protected:
  std::string Cell(int row, int column) const {
    const QTableWidgetItem* item = metrics.Table->item(row, column);
    return item == nullptr ? std::string() : item->text().toStdString();
  }
  ScratchFolder scratch;
  TMetrics& metrics = application.Metrics();
};

TEST_F(MetricsWindow, ShowsTheRecordFollowsLoadsCopiesAndSaves) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  QAction* item = form.findChild<QAction*>("Indices1");
  ASSERT_NE(item, nullptr);
  item->trigger();
  ASSERT_TRUE(metrics.isVisible());
  EXPECT_NE(metrics.Identification->Caption().find("AOM001"), std::string::npos);
  EXPECT_EQ(Cell(1, 0), "NS");
  EXPECT_EQ(Cell(1, 1), "4.95437");  // header Max. Acc. 4.954
  EXPECT_EQ(Cell(6, 0), "計測震度");
  EXPECT_EQ(Cell(6, 1), "1.6");
  EXPECT_EQ(Cell(7, 1), "2");

  PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
  EXPECT_NE(metrics.Identification->Caption().find("NGNH31"), std::string::npos);
  EXPECT_EQ(Cell(1, 0), "NS2");

  metrics.BtnCopy->click();
  EXPECT_NE(platform.clipboard_text.find("NS2\t0.617952\t"), std::string::npos);
  const std::string path = scratch / "indices";
  platform.save_paths.push_back(path);
  metrics.BtnCSV->click();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ReadWholeFile(path + ".csv"), [&] {
    std::string csv = platform.clipboard_text;
    for (char& c : csv) c = c == '\t' ? ',' : c;
    return csv;
  }());
}

// Other programs read the CSV and the copied table: their texts stay as written whatever the
// window shows.
TEST_F(MetricsWindow, CsvAndCopyAreTheSameInEveryLanguage) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.findChild<QAction*>("Indices1")->trigger();
  const auto save = [&](const std::string& name) {
    platform.save_paths.push_back(scratch / name);
    metrics.BtnCSV->click();
    metrics.BtnCopy->click();
    return ReadWholeFile(scratch / name + ".csv") + platform.clipboard_text;
  };
  const std::string japanese = save("ja");

  ASSERT_TRUE(ApplyLanguage(*qApp, Language::English));
  QCoreApplication::processEvents();
  EXPECT_EQ(Cell(6, 0), "JMA intensity");
  EXPECT_EQ(Cell(1, 1), "4.95437");
  const std::string english = save("en");
  RemoveLanguage();
  QCoreApplication::processEvents();
  EXPECT_EQ(Cell(6, 0), "計測震度");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_NE(japanese.find("計測震度"), std::string::npos);
  EXPECT_EQ(english, japanese);
}

}  // namespace
}  // namespace tremora::testing
