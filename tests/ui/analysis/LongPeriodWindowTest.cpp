// The long-period ground-motion window from the 解析 menu, and the class in the indices window.

#include <QAction>
#include <QTableWidget>
#include <sstream>

#include "analysis/TLongPeriod.h"
#include "analysis/TMetrics.h"
#include "app/cli/CliCommands.h"
#include "base/CNumbers.h"
#include "base/TextFile.h"
#include "graph/TMyGraph.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class LongPeriodWindow : public ApplicationFixture {
 protected:
  ScratchFolder scratch;
};

int CountColour(const QImage& picture, QRgb colour) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST_F(LongPeriodWindow, ShowsTheWholeRecordFollowsLoadsAndSavesTheCommandLinesCsv) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  QAction* item = form.findChild<QAction*>("LongPeriod1");
  ASSERT_NE(item, nullptr);
  item->trigger();
  ASSERT_TRUE(form.LongPeriod);
  TLongPeriod& window = *form.LongPeriod;
  ASSERT_TRUE(window.isVisible());
  const SvaSpectrum first = window.Spectrum();
  EXPECT_EQ(window.LabelClass->Caption().rfind("長周期地震動階級0", 0), 0u) << window.LabelClass->Caption();
  EXPECT_NE(window.LabelNote->Caption().find("記録全体"), std::string::npos);
  EXPECT_GT(CountColour(window.MyGraph1->Picture(), qRgb(255, 0, 0)), 20);  // the ringed peak

  form.RGTime->SetItemIndex(0);  // a narrower section changes nothing: the whole record counts
  EXPECT_EQ(window.Spectrum().Sva, first.Sva);

  PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
  EXPECT_NE(window.Spectrum().Sva, first.Sva);
  const std::string path = scratch / "sva";
  platform.save_paths.push_back(path);
  window.BtnCSV->click();
  EXPECT_EQ(window.CsvDialog.default_name, form.Record.RecordBaseName + "sva.csv");
  std::ostringstream out, err;
  RunCli({"sva", SamplePath("NGNH311106302345.NS2")}, out, err, CliEnvironment{TREMORA_DATA_DIR});
  EXPECT_EQ(ReadWholeFile(path + ".csv"), out.str());

  // The indices window names the class in the agency's words and gives both SI values.
  form.findChild<QAction*>("Indices1")->trigger();
  const QTableWidget& table = *application.Metrics().Table;
  const auto cell = [&table](int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? std::string() : item->text().toStdString();
  };
  EXPECT_EQ(cell(8, 0), "長周期地震動階級");
  EXPECT_EQ(cell(8, 1), LongPeriodClassName(window.Spectrum().Class, false));
  EXPECT_EQ(cell(9, 2), FormatC("周期 %.1f s", SvaPeriod(window.Spectrum().PeakIndex)));
  EXPECT_EQ(cell(10, 7), FormatC("7秒台 %d", window.Spectrum().BandClasses[6]));
  EXPECT_EQ(cell(11, 0), "SI値 (cm/s)");
  EXPECT_EQ(cell(11, 3).rfind("水平 ", 0), 0u);
}

}  // namespace
}  // namespace tremora::testing
