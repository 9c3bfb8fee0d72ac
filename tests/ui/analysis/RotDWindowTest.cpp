// The RotD window from the 解析 menu: it follows the section, the damping set and the method, and
// writes what the command line writes.

#include "analysis/TRotD.h"
#include "app/cli/CliCommands.h"
#include "base/TextFile.h"
#include "graph/TMyGraph.h"
#include "ui/PixelCount.h"
#include "ui/app/ApplicationFixture.h"

#include <sstream>

namespace tremora::testing {
namespace {

class RotDWindow : public ApplicationFixture {
 protected:
  ScratchFolder scratch;
};

TEST_F(RotDWindow, FollowsTheSectionAndMethodAndSavesTheCommandLinesCsv) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.RotD1->trigger();
  ASSERT_TRUE(form.RotD);
  TRotD& window = *form.RotD;
  ASSERT_TRUE(window.isVisible());
  ASSERT_EQ(window.CBDamping->count(), 5);
  EXPECT_EQ(window.CBDamping->currentText().toStdString(), "h = 5 %");
  ASSERT_TRUE(window.Spectrum());
  const float wide = window.Spectrum()->Rows[50].Rotated.RotD50;
  form.RGTime->SetItemIndex(0);  // 5 s: the window follows the redraw
  EXPECT_NE(window.Spectrum()->Rows[50].Rotated.RotD50, wide);
  form.MethodExact->trigger();
  EXPECT_EQ(window.Spectrum()->Method, SpectrumMethod::Exact);
  form.N2->trigger();  // ×5: the same place of the new set, 25 %
  EXPECT_EQ(window.CBDamping->currentText().toStdString(), "h = 25 %");
  EXPECT_EQ(window.Spectrum()->Ratio, 0.25f);

  const std::string path = scratch / "out";
  platform.save_paths.push_back(path);
  window.BtnCSV->click();
  EXPECT_EQ(window.CsvDialog.default_name, form.Record.RecordBaseName + "rotd.csv");
  std::ostringstream out, err;
  RunCli({"rotd", "--width", "5", "--method", "exact", "--damping", "0.25", SamplePath("AOM0011801241951.NS")}, out,
         err, CliEnvironment{TREMORA_DATA_DIR});
  EXPECT_EQ(ReadWholeFile(path + ".csv"), out.str());
}

TEST_F(RotDWindow, OneComponentRecordIsToldItNeedsBothHorizontals) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.RotD1->trigger();
  form.CB3Compo->click();
  PickThroughFileButton(SamplePath("AOM0011801241951.EW"));
  TRotD& window = *form.RotD;
  EXPECT_FALSE(window.Spectrum());
  EXPECT_TRUE(test::DrawnWhole(window.MyGraph1->Picture(), window.MyGraph1->GetCanvas(), 60, 220,
                               "方位別スペクトルには水平2成分（NS・EW）の記録が必要です"));
  window.BtnCSV->click();  // nothing to save: no dialog
  EXPECT_TRUE(platform.save_dialogs.empty());
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tremora::testing
