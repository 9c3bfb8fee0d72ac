// The spectrum window follows every load: a shown window computes the new record's spectra as the
// batch tool does, a hidden one when it is next shown, and until then every name it shows or
// writes is that of the record its spectra were computed from.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProgressBar>
#include <sstream>

#include "BundleBuilder.h"
#include "app/StationGrid.h"
#include "app/cli/CliCommands.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "record/TBundleChooser.h"
#include "spectrum/SpectrumCsv.h"
#include "ui/spectrum/SpectrumFixture.h"
#include "wave/TWait.h"

namespace tremora::testing {
namespace {

constexpr const char* kSecondRecord = "NGNH311106302345.NS2";

class SpectrumFollowsLoad : public SpectrumWindowFixture {
 protected:
  // What `tremora-cli spectra FILE` writes.
  static std::string BatchSpectra(const std::string& path) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"spectra", path}, out, err, CliEnvironment{TREMORA_DATA_DIR}), 0) << err.str();
    return out.str();
  }

  // Runs the calls the loads left behind.
  static void Settle() { QCoreApplication::processEvents(); }

  std::string WindowCsv() const { return FormatSpectrumCsv(spect.Source, MakePeriodGrid(), spect.Spectra); }

  // Saves through CSVﾌｧｲﾙ; the file's text.
  std::string SavedCsv(const std::string& name) {
    platform.save_paths.push_back(scratch / name);
    spect.BtnCSV->click();
    return ReadText(scratch / name);
  }

  std::vector<std::string> StationLabels() const {
    return {spect.Label2->Caption(), spect.Label3->Caption(), spect.Label4->Caption(), spect.Label5->Caption()};
  }

  ScratchFolder scratch;
};

TEST_F(SpectrumFollowsLoad, ShownWindowComputesEachLoadedRecordAsTheBatchToolAndIgnoresAFailedLoad) {
  LoadAndOpen();
  const std::string first = WindowCsv();
  ASSERT_EQ(first, BatchSpectra(SamplePath(kThreeChannelRecord)));
  const std::vector<std::string> first_labels = StationLabels();
  EXPECT_EQ(first_labels[0], "AOM001");

  // A record without its partner files is refused: the window keeps everything.
  const std::string lone = scratch.Write("NGNH311106302345.NS1", ReadText(SamplePath("NGNH311106302345.NS1")));
  PickThroughFileButton(lone);
  Settle();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(WindowCsv(), first);
  EXPECT_EQ(StationLabels(), first_labels);
  EXPECT_EQ(spect.MyGraph1->TitleY, "SD AOM001 NS   2018/01/24 19:51:00");

  spect.ProgressBar1->setValue(0);
  Load(kSecondRecord);
  Settle();
  const std::string second = BatchSpectra(SamplePath(kSecondRecord));
  EXPECT_EQ(WindowCsv(), second);
  EXPECT_EQ(SavedCsv("second.csv"), second);
  EXPECT_EQ(platform.save_dialogs.back().default_name, "NGNH31-201106302345rsp.csv");
  EXPECT_EQ(StationLabels()[0], "NGNH31");
  EXPECT_EQ(spect.MyGraph1->TitleY.substr(0, 10), "SD NGNH31 ");
  // As the 計算 button: the bars full, the wait window gone.
  EXPECT_EQ(spect.ProgressBar1->value(), spect.ProgressBar1->maximum());
  EXPECT_FALSE(application.Wait().isVisible());
}

// The wait window of a load's redraw lets timers run before the section is chosen.
TEST_F(SpectrumFollowsLoad, CalculationWaitsWhileTheWaitWindowIsUp) {
  LoadAndOpen();
  Load(kSecondRecord);
  application.Wait().ShowWith("");
  Settle();
  EXPECT_EQ(spect.Source.StationCode, "AOM001");
  application.Wait().Close();
  QElapsedTimer waited;
  waited.start();
  while (spect.Source.StationCode == "AOM001" && waited.elapsed() < 2000) Settle();
  EXPECT_EQ(WindowCsv(), BatchSpectra(SamplePath(kSecondRecord)));
}

TEST_F(SpectrumFollowsLoad, HiddenWindowNamesItsOwnRecordUntilShownAgain) {
  LoadAndOpen();
  const std::string first = WindowCsv();
  spect.Button1->click();
  Load(kSecondRecord);
  Settle();
  // Hidden: nothing computed, and every name is still that of the spectra's record.
  spect.RGXScale->SetItemIndex(0);
  EXPECT_EQ(spect.MyGraph1->TitleY, "SD AOM001 NS   2018/01/24 19:51:00");
  EXPECT_EQ(StationLabels()[0], "AOM001");
  EXPECT_EQ(SavedCsv("first.csv"), first);
  EXPECT_EQ(platform.save_dialogs.back().default_name, "AOM001-201801241951rsp.csv");
  platform.save_paths.push_back(scratch / "first.gif");
  spect.BtnGIF->click();
  EXPECT_EQ(platform.save_dialogs.back().default_name, "AOM001-201801241951rsp.gif");

  // Shown by the menu, which does not compute by itself.
  form.N6->trigger();
  Settle();
  EXPECT_EQ(WindowCsv(), BatchSpectra(SamplePath(kSecondRecord)));
  EXPECT_EQ(StationLabels()[0], "NGNH31");
}

TEST_F(SpectrumFollowsLoad, RecordChosenFromABundleIsFollowed) {
  LoadAndOpen(kSecondRecord);
  PickThroughFileButton(scratch.Write("event.tar", EventBundle()));
  ASSERT_NE(form.BundleChooser(), nullptr);
  // The first row is AOM001.
  form.BundleChooser()->StringGrid1->setCurrentCell(0, 0);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(form.BundleChooser()->StringGrid1, &enter);
  Settle();
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_EQ(WindowCsv(), BatchSpectra(SamplePath(kThreeChannelRecord)));
}

TEST_F(SpectrumFollowsLoad, EnlargedViewAndOverlayNameTheRecordOfEachSpectrum) {
  LoadAndOpen();
  std::vector<std::string> titles;
  platform.on_modal = [&](QWidget&) { titles.push_back(application.Large().MyGraph1->TitleY); };
  platform.modal_presses = {"Button5", "Button3"};
  spect.CBLarge->SetChecked(true);

  Load(kSecondRecord);
  Settle();
  platform.modal_presses = {"Button6", "Button4", "Button3"};
  platform.save_paths = {scratch / "enlarged.gif", scratch / "overlay.gif"};
  spect.CBLarge->SetChecked(true);
  application.Super().BtnSPGIF->click();

  ASSERT_EQ(titles.size(), 5u);
  EXPECT_EQ(titles[0], "SA AOM001 NS   2018/01/24 19:51:00");
  EXPECT_EQ(titles[2].substr(0, 10), "SA NGNH31 ");
  ASSERT_EQ(platform.save_dialogs.size(), 2u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "NGNH31-201106302345rsp.gif");
  // The overlay is named after its first spectrum.
  EXPECT_EQ(platform.save_dialogs[1].default_name, "AOM001-201801241951rsp.gif");
}

}  // namespace
}  // namespace tremora::testing
