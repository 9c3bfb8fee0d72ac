// The enlarged view driven through a scripted stepping window: the steps of both modes, the end of
// the view, the GIF saves and copies, and the overlay's scale, colours and legend.

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "graph/TLarge.h"
#include "graph/TNextStep.h"
#include "graph/TSuper.h"
#include "platform/QtPlatform.h"
#include "ui/spectrum/SpectrumFixture.h"
#include "DecodePicture.h"

namespace tremora::testing {
namespace {

using test::ColourAt;
using test::CountColour;

class EnlargedView : public SpectrumWindowFixture {
 protected:
  // What one step showed when the stepping window came up.
  struct Shown {
    std::string title;
    QImage enlarged;
    QImage overlay;
  };

  // Ticks CBLarge; the stepping window answers with presses (button names, "" its close box).
  void Run(std::vector<std::string> presses) {
    platform.modal_presses.assign(presses.begin(), presses.end());
    platform.on_modal = [this](QWidget&) {
      shown.push_back({large.MyGraph1->TitleY, large.MyGraph1->Picture().copy(), super.MyGraph1->Picture().copy()});
    };
    spect.CBLarge->SetChecked(true);
    EXPECT_TRUE(platform.missing_buttons.empty());
  }

  void ExpectViewEnded() {
    EXPECT_FALSE(spect.CBLarge->Checked());
    EXPECT_FALSE(spect.EnlargedView);
    EXPECT_FALSE(large.isVisible());
    // The three panels are back.
    EXPECT_GT(ColouredPixels(0, 897), 1000);
  }

  // Pixels of colour in the plot areas.
  static int InEnlargedPlot(const QImage& picture, Colour colour) {
    return CountColour(picture, colour, 52, 42, 448, 438);
  }
  static int InOverlayPlot(const QImage& picture, Colour colour) {
    return CountColour(picture, colour, 52, 22, 298, 268);
  }

  TLarge& large = application.Large();
  TSuper& super = application.Super();
  std::vector<Shown> shown;
  ScratchFolder folder;
};

TEST_F(EnlargedView, BackOnTheFirstStepStaysAndNextOnSdEndsTheView) {
  LoadAndOpen();
  Run({"Button2", "Button1", "Button1", "Button1"});
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].title, "SA AOM001 NS   2018/01/24 19:51:00");
  EXPECT_EQ(shown[1].title, shown[0].title);
  EXPECT_EQ(shown[2].title.substr(0, 3), "SV ");
  EXPECT_EQ(shown[3].title.substr(0, 3), "SD ");
  // Coloured by damping ratio, 2 pixels wide.
  EXPECT_GT(InEnlargedPlot(shown[0].enlarged, kSpectrumColours[0]), 300);
  EXPECT_GT(InEnlargedPlot(shown[0].enlarged, kSpectrumColours[1]), 300);
  ExpectViewEnded();
}

TEST_F(EnlargedView, TenSecondAxisHasHalfSecondMinorStepsOnBothGraphs) {
  LoadAndOpen();
  form.N7->trigger();
  GraphAxes enlarged, overlay;
  platform.modal_presses = {"Button3"};
  platform.on_modal = [&](QWidget&) {
    enlarged = *large.MyGraph1;
    overlay = *super.MyGraph1;
  };
  spect.CBLarge->SetChecked(true);
  EXPECT_TRUE(enlarged.LinearX);
  EXPECT_EQ(enlarged.NGridX, 5);
  EXPECT_FLOAT_EQ(enlarged.VValueX, 2.0f);
  EXPECT_EQ(enlarged.SubX, 4);
  EXPECT_EQ(overlay.NGridX, 5);
  EXPECT_EQ(overlay.SubX, 4);
}

TEST_F(EnlargedView, OneChannelRecordPerResponseIsOneStep) {
  form.CB3Compo->SetChecked(false);
  LoadAndOpen("AOM0011801241951.EW");
  spect.RGSpect->SetItemIndex(1);
  Run({"Button1"});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].title.find(" EW "), std::string::npos);
  ExpectViewEnded();
}

TEST_F(EnlargedView, CloseBoxEndsTheViewWhateverTheLastCommandWas) {
  LoadAndOpen();
  spect.StepCommand = 0;
  Run({""});
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(spect.StepCommand, 2);
  EXPECT_TRUE(super.Button1->isEnabled());
  ExpectViewEnded();
}

TEST_F(EnlargedView, ProgramEndingDuringTheViewEndsIt) {
  LoadAndOpen();
  platform.program_ending = true;
  Run({});
  EXPECT_EQ(shown.size(), 1u);
  ExpectViewEnded();
}

TEST_F(EnlargedView, GifSavesKeepOrMoveTheStepAndACancelWritesNothing) {
  LoadAndOpen();
  const std::string unwritable = folder / "missing/step.gif";
  platform.save_paths = {folder / "step", std::nullopt, unwritable, folder / "overlay.bmp"};
  Run({"Button4", "Button4", "Button4", "Button5", "Button7", "Button3"});
  ASSERT_EQ(shown.size(), 6u);
  for (int i : {1, 2, 3, 4}) EXPECT_EQ(shown[i].title, shown[0].title) << i;
  EXPECT_EQ(shown[5].title.substr(0, 3), "SV ") << "the overlay's GIF moves on";
  ASSERT_EQ(platform.save_dialogs.size(), 4u);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find(unwritable), std::string::npos);
  EXPECT_EQ(platform.messages[0].caption, "GIFファイル保存エラー");
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951rspSA.gif");
  EXPECT_EQ(platform.save_dialogs[0].filter, "GIFﾌｧｲﾙ(*.gif)|*.gif|すべて(*.*)|*.*");
  EXPECT_EQ(ReadGif(folder / "step.gif"), shown[0].enlarged.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(ReadGif(folder / "overlay.bmp"), shown[4].overlay.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST_F(EnlargedView, CopiesTakeEachGraphAndKeepTheSteppingWindow) {
  LoadAndOpen();
  // A copy leaves the window up: the next press still reaches it.
  Run({"Button8", "Button3"});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(platform.clipboard.convertToFormat(QImage::Format_RGB32),
            shown[0].enlarged.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(platform.clipboard.size(), QSize(481, 481));
  Run({"Button5", "Button9", "Button3"});
  EXPECT_EQ(platform.clipboard.convertToFormat(QImage::Format_RGB32),
            super.MyGraph1->Picture().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(platform.clipboard.size(), QSize(345, 417));
}

TEST_F(EnlargedView, OverlayCurvesTakeTheOverlayColoursAndTheSeventhAddedIsRedAgain) {
  LoadAndOpen();
  spect.CBColor->SetChecked(false);
  std::vector<std::string> presses = {"Button5"};
  for (int k = 1; k <= 7; ++k) presses.push_back("Button6");
  presses.push_back("Button3");
  Run(presses);
  ASSERT_EQ(shown.size(), 9u);
  // Colour coding off: the enlarged curves are black.
  EXPECT_EQ(InEnlargedPlot(shown[0].enlarged, kSpectrumColours[0]), 0);
  EXPECT_GT(InEnlargedPlot(shown[0].enlarged, kBlack), 1000);
  // The same spectrum added again and again covers the curves in each new colour.
  EXPECT_GT(InOverlayPlot(shown[1].overlay, kSpectrumColours[0]), 200);
  EXPECT_EQ(InOverlayPlot(shown[2].overlay, kSpectrumColours[0]), 0);
  EXPECT_GT(InOverlayPlot(shown[2].overlay, kSpectrumColours[1]), 200);
  EXPECT_GT(InOverlayPlot(shown[8].overlay, kSpectrumColours[0]), 200);
  EXPECT_EQ(InOverlayPlot(shown[8].overlay, kSpectrumColours[6]), 0);
  // Legend lines from x 30 to 95, 15 pixels apart; the seventh would lie below the picture.
  for (int k = 0; k <= 6; ++k) {
    EXPECT_EQ(ColourAt(shown[8].overlay, 30, 315 + 15 * k), kSpectrumColours[k]) << k;
    EXPECT_EQ(ColourAt(shown[8].overlay, 95, 315 + 15 * k), kSpectrumColours[k]) << k;
    EXPECT_EQ(ColourAt(shown[8].overlay, 96, 315 + 15 * k), kWhite) << k;
  }
  EXPECT_EQ(spect.OverlayCount, 7);
  EXPECT_TRUE(super.isVisible());
  EXPECT_TRUE(super.BtnSPGIF->isEnabled());
}

TEST_F(EnlargedView, SdAddedOntoAnSaOverlayKeepsItsScaleAndTitle) {
  LoadAndOpen();
  Run({"Button5", "Button1", "Button1", "Button6", "Button3"});
  ASSERT_EQ(shown.size(), 5u);
  const float start = super.MyGraph1->SValueY;
  const float step = super.MyGraph1->VValueY;
  EXPECT_EQ(super.MyGraph1->TitleY, "SA");
  // Drawn on the SA scale, the SD spectrum's scale would differ.
  TMyGraph probe;
  probe.LinearY = false;
  probe.NGridY = 3;
  probe.YScaleUnit(kPeriodCount, spect.Spectra[0][0][0].data());
  EXPECT_EQ(start, probe.SValueY);
  EXPECT_EQ(step, probe.VValueY);
  // The second legend row is there, in blue, and its text beside it.
  EXPECT_EQ(ColourAt(shown[4].overlay, 60, 330), kSpectrumColours[1]);
  EXPECT_GT(CountColour(shown[4].overlay, kBlack, 100, 325, 340, 340), 20);
  // The SD curves in blue, on the SA scale mostly below the frame.
  EXPECT_GT(CountColour(shown[4].overlay, kSpectrumColours[1], 0, 0, 345, 320), 50);
}

}  // namespace
}  // namespace tremora::testing

namespace tremora::testing {
namespace {

// The desktop's own modal display. While the stepping window waits, the main window's input is held back as by a modal window,
// the enlarged graph's pointer reaches its read-out, and the main window's end still ends the
// program instead of leaving it waiting in the stepping loop.
TEST_F(EnlargedView, TheGraphStaysReadableWhileSteppingAndClosingTheMainWindowEndsTheProgram) {
  LoadAndOpen();
  QtPlatform desktop;
  Platform* scripted = InstallPlatform(&desktop);
  bool main_held = false;
  size_t markers = 0;
  QTimer::singleShot(0, [&] { spect.CBLarge->SetChecked(true); });
  QTimer::singleShot(100, [&] {
    const auto press = [](QWidget& widget, QPoint at) {
      QMouseEvent down(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
      QApplication::sendEvent(&widget, &down);
    };
    press(*form.BtnFile, QPoint(5, 5));
    main_held = !form.BtnFile->isDown();
    TMyGraph& graph = *application.Large().MyGraph1;
    press(graph, QPoint(graph.OriginX + graph.WidthX / 2, graph.OriginY - graph.HeightY / 2));
    markers = graph.Markers().All().size();
    form.close();
  });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a hang fails instead of stalling
  const int code = QCoreApplication::exec();
  InstallPlatform(scripted);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(main_held);
  EXPECT_EQ(markers, 1u);
  EXPECT_FALSE(application.NextStep().isVisible());
  EXPECT_FALSE(spect.CBLarge->Checked());
}

}  // namespace
}  // namespace tremora::testing
