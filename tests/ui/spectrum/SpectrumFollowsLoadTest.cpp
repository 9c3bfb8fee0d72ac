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
constexpr const char* kFirstTitle = "SD AOM001 NS   2018/01/24 19:51:00";

class SpectrumFollowsLoad : public SpectrumWindowFixture {
 protected:
  // What `tremora-cli spectra` writes for the sample record name.
  static std::string BatchSpectra(const std::string& name) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"spectra", SamplePath(name)}, out, err, CliEnvironment{TREMORA_DATA_DIR}), 0) << err.str();
    return out.str();
  }

  // Runs the calls a load leaves behind.
  static void Settle() { QCoreApplication::processEvents(); }

  std::string WindowCsv() const { return FormatSpectrumCsv(spect.Source, MakePeriodGrid(), spect.Spectra); }

  std::string SavedCsv(const std::string& name) {
    platform.save_paths.push_back(scratch / name);
    spect.BtnCSV->click();
    return ReadText(scratch / name);
  }

  ScratchFolder scratch;
};

TEST_F(SpectrumFollowsLoad, ShownWindowComputesEachLoadedRecordAsTheBatchToolButNotARefusedOne) {
  LoadAndOpen();
  const std::string first = WindowCsv();
  ASSERT_EQ(first, BatchSpectra(kThreeChannelRecord));

  // A record without its partner files is refused: the window keeps everything.
  PickThroughFileButton(scratch.Write("NGNH311106302345.NS1", ReadText(SamplePath("NGNH311106302345.NS1"))));
  Settle();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(WindowCsv(), first);
  EXPECT_EQ(spect.Label2->Caption(), "AOM001");
  EXPECT_EQ(spect.MyGraph1->TitleY, kFirstTitle);

  spect.ProgressBar1->setValue(0);
  Load(kSecondRecord);
  Settle();
  const std::string second = BatchSpectra(kSecondRecord);
  EXPECT_EQ(WindowCsv(), second);
  EXPECT_EQ(SavedCsv("second.csv"), second);
  EXPECT_EQ(platform.save_dialogs.back().default_name, "NGNH31-201106302345rsp.csv");
  EXPECT_EQ(spect.Label2->Caption(), "NGNH31");
  EXPECT_EQ(spect.MyGraph1->TitleY.substr(0, 10), "SD NGNH31 ");
  // As the 計算 button: the bars full, the wait window gone.
  EXPECT_EQ(spect.ProgressBar1->value(), spect.ProgressBar1->maximum());
  EXPECT_FALSE(application.Wait().isVisible());

  // A record chosen from a bundle: its first row is AOM001.
  PickThroughFileButton(scratch.Write("event.tar", EventBundle()));
  form.BundleChooser()->StringGrid1->setCurrentCell(0, 0);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(form.BundleChooser()->StringGrid1, &enter);
  Settle();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(WindowCsv(), first);
}

// On a desktop the wait window of the load's redraw lets timers run before the section is chosen.
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
  EXPECT_EQ(WindowCsv(), BatchSpectra(kSecondRecord));
}

TEST_F(SpectrumFollowsLoad, HiddenWindowNamesItsOwnRecordUntilShownAgain) {
  LoadAndOpen();
  const std::string first = WindowCsv();
  spect.Button1->click();
  Load(kSecondRecord);
  Settle();
  spect.RGXScale->SetItemIndex(0);
  EXPECT_EQ(spect.MyGraph1->TitleY, kFirstTitle);
  EXPECT_EQ(spect.Label2->Caption(), "AOM001");
  EXPECT_EQ(SavedCsv("first.csv"), first);
  EXPECT_EQ(platform.save_dialogs.back().default_name, "AOM001-201801241951rsp.csv");

  // Shown by the menu, which does not compute by itself.
  form.N6->trigger();
  Settle();
  EXPECT_EQ(WindowCsv(), BatchSpectra(kSecondRecord));
  EXPECT_EQ(spect.Label2->Caption(), "NGNH31");
}

TEST_F(SpectrumFollowsLoad, EnlargedViewAndOverlayNameTheRecordOfEachSpectrum) {
  LoadAndOpen();
  std::vector<std::string> titles;
  platform.on_modal = [&](QWidget&) { titles.push_back(application.Large().MyGraph1->TitleY); };
  platform.modal_presses = {"Button5", "Button3"};  // a new overlay
  spect.CBLarge->SetChecked(true);
  Load(kSecondRecord);
  Settle();
  platform.modal_presses = {"Button6", "Button4", "Button3"};  // added to it, the enlarged GIF
  platform.save_paths = {scratch / "enlarged.gif", scratch / "overlay.gif"};
  spect.CBLarge->SetChecked(true);
  application.Super().BtnSPGIF->click();

  ASSERT_EQ(titles.size(), 5u);
  EXPECT_EQ(titles[0], "SA AOM001 NS   2018/01/24 19:51:00");
  EXPECT_EQ(titles[2].substr(0, 10), "SA NGNH31 ");
  ASSERT_EQ(platform.save_dialogs.size(), 2u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "NGNH31-201106302345rspSA.gif");
  // The overlay is named after its first spectrum.
  EXPECT_EQ(platform.save_dialogs[1].default_name, "AOM001-201801241951rsp.gif");
}

}  // namespace
}  // namespace tremora::testing
