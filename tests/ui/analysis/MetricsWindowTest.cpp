// The strong-motion indices window: opened from its menu item, following loads, copy and CSV.

#include <QAction>
#include <QTableWidget>

#include "analysis/TMetrics.h"
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

}  // namespace
}  // namespace tremora::testing
