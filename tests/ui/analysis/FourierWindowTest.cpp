// The Fourier spectrum window from the 解析 menu: it follows the section and writes what the
// command line writes.

#include "analysis/TFourier.h"
#include "app/cli/CliCommands.h"
#include "base/TextFile.h"
#include "spectrum/TSpect.h"
#include "ui/app/ApplicationFixture.h"

#include <memory>
#include <sstream>

namespace tremora::testing {
namespace {

class FourierWindow : public ApplicationFixture {
 protected:
  ScratchFolder scratch;
};

TEST_F(FourierWindow, FollowsTheSectionAndSavesTheCommandLinesCsv) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.Fourier1->trigger();
  ASSERT_TRUE(form.Fourier);
  TFourier& window = *form.Fourier;
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ(window.Spectra().Frequencies.size(), 4096u);  // 50 s at 100 Hz pad to 8192
  form.RGTime->SetItemIndex(0);  // 5 s: the window follows the redraw
  EXPECT_EQ(window.Spectra().Frequencies.size(), 256u);
  window.CBSmooth->setCurrentIndex(2);  // Parzen 0.1 Hz
  const std::string path = scratch / "out";
  platform.save_paths.push_back(path);
  window.BtnCSV->click();
  EXPECT_EQ(window.CsvDialog.default_name, form.Record.RecordBaseName + "fas.csv");
  std::ostringstream out, err;
  RunCli({"fourier", "--width", "5", "--smooth", "0.1", SamplePath("AOM0011801241951.NS")}, out, err,
         CliEnvironment{TREMORA_DATA_DIR});
  EXPECT_EQ(ReadWholeFile(path + ".csv"), out.str());
}

}  // namespace
}  // namespace tremora::testing

namespace tremora::testing {
namespace {

TEST_F(FourierWindow, MethodMenuRecalculatesTheSpectraWithTheExactSolution) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.BtnSpect->click();
  TSpect& spect = application.Spect();
  const float linear = spect.Spectra[0][1][0][0];  // 1 %, SA, 0.05 s
  form.MethodExact->trigger();
  EXPECT_TRUE(form.MethodExact->isChecked());
  EXPECT_FALSE(form.MethodLinear->isChecked());
  EXPECT_EQ(spect.Method, SpectrumMethod::Exact);
  EXPECT_NE(spect.Spectra[0][1][0][0], linear);
  auto exact = std::make_unique<SpectrumSet>();
  ComputeSpectra(form.Record, form.StartIndex, form.DisplayCount, spect.Grid, spect.Ratios, *exact, {},
                 SpectrumMethod::Exact);
  EXPECT_TRUE((*exact)[0] == spect.Spectra[0]);
}

}  // namespace
}  // namespace tremora::testing
