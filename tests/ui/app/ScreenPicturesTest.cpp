// The plots on a high-density screen: a finer screen picture of the same logical geometry, while
// every picture that is saved or copied stays the 1x one, pixel for pixel. Also the damping legend
// of the spectrum window and the response in the enlarged view's GIF names.

#include <map>
#include <set>

#include <QCoreApplication>

#include "app/TSiteList.h"
#include "app/StationGrid.h"
#include "graph/TNextStep.h"
#include "ui/app/EveryPlot.h"

namespace tremora::testing {
namespace {

using test::CountColour;

// Checksums of the 1x pictures as the program drew them before there were screen pictures or
// clipped curves. The other plots of the walk have curves that run below their logarithmic axis
// (SA beyond 8 s, SD below 0.001 cm): those are now cut at the frame.
const std::map<std::string, std::uint64_t> kGoldenPictures = {
    {"waveform", 0x77eeb4736dab6e26ull},
    {"spectra per response", 0x2436d1ad8ca882b0ull},
    {"spectra on linear axes", 0x62da4f7de9fbad60ull},
    {"spectra over frequency", 0x786274577d7d52eeull},
    {"Fourier spectra", 0x2698fba825d78018ull},
};

class RatioOverride {
 public:
  explicit RatioOverride(qreal ratio) { PictureControl::OverrideDevicePixelRatio(ratio); }
  ~RatioOverride() { PictureControl::OverrideDevicePixelRatio(0); }
};

// The share of 1x pixels whose colour is in their block of the finer picture.
double AgreementAtTwice(const QImage& single, const QImage& twice) {
  long agreeing = 0;
  for (int y = 0; y < single.height(); ++y) {
    for (int x = 0; x < single.width(); ++x) {
      const QRgb colour = single.pixel(x, y);
      bool found = false;
      for (int d = 0; d < 4 && !found; ++d) found = twice.pixel(2 * x + d % 2, 2 * y + d / 2) == colour;
      agreeing += found;
    }
  }
  return static_cast<double>(agreeing) / (single.width() * single.height());
}

class ScreenPictures : public EveryPlotFixture {};

// Set before the windows are made: the main window draws its guidance at once.
struct AtRatioTwo {
  RatioOverride ratio{2};
};
class ScreenPicturesAtRatioTwo : private AtRatioTwo, public EveryPlotFixture {};

TEST_F(ScreenPicturesAtRatioTwo, TheScreenIsFinerAndEveryExportStaysAsItWas) {
  const std::vector<PlotPicture> plots = DrawEveryPlot();
  std::set<PictureControl*> controls;
  std::size_t compared = 0;
  for (const PlotPicture& plot : plots) {
    controls.insert(plot.control);
    if (!kGoldenPictures.contains(plot.name)) continue;
    EXPECT_EQ(PixelChecksum(plot.picture), kGoldenPictures.at(plot.name)) << plot.name;
    ++compared;
  }
  EXPECT_EQ(compared, kGoldenPictures.size());
  EXPECT_EQ(controls.size(), 5u);
  for (PictureControl* control : controls) {
    const QImage& single = control->Picture();
    const QImage& screen = control->ScreenPicture();
    EXPECT_EQ(screen.size(), single.size() * 2) << control->objectName().toStdString();
    EXPECT_EQ(screen.devicePixelRatio(), 2.0);
    // Level and upright lines and fills land on the same logical pixels; letters and slanted
    // lines are drawn finer.
    EXPECT_GT(AgreementAtTwice(single, screen), 0.97) << control->objectName().toStdString();
  }
  // What leaves the program is the 1x picture.
  form.BtnCopy->click();
  EXPECT_EQ(platform.clipboard.size(), form.MyWave1->Picture().size());
}

TEST_F(ScreenPictures, DampingLegendShowsTheShownColoursInEachPanelOnlyWhenTicked) {
  LoadAndOpen();
  EXPECT_FALSE(spect.CBLegend->Checked());
  const QImage without = spect.MyGraph1->Picture().copy();
  spect.D02->SetChecked(false);
  spect.CBLegend->SetChecked(true);
  const QImage with = spect.MyGraph1->Picture().copy();
  spect.D02->SetChecked(true);
  const QImage all = spect.MyGraph1->Picture().copy();
  for (int panel = 0; panel < 3; ++panel) {
    // The legend box stands in the plot area's upper-left corner.
    const int left = spect.GraphLeft[panel], top = spect.MyGraph1->OriginY - spect.MyGraph1->HeightY;
    const int x0 = left + 5, y0 = top + 5, x1 = left + 60, y1 = top + 70;
    for (int d = 0; d < kDampingCount; ++d) {
      const Colour colour = spect.OverlayColours[d];
      EXPECT_EQ(CountColour(with, colour, x0, y0, x1, y1) >= 18, d != 2) << panel << " " << d;
      EXPECT_GE(CountColour(all, colour, x0, y0, x1, y1), 18) << panel << " " << d;
    }
    EXPECT_NE(with.copy(x0, y0, x1 - x0, y1 - y0), without.copy(x0, y0, x1 - x0, y1 - y0));
  }
  // Without colours the curves cannot be told apart: no legend.
  spect.CBColor->SetChecked(false);
  const QImage black = spect.MyGraph1->Picture().copy();
  spect.CBLegend->SetChecked(false);
  EXPECT_EQ(black, spect.MyGraph1->Picture());
  spect.CBColor->SetChecked(true);
  EXPECT_EQ(without, spect.MyGraph1->Picture());
}

TEST_F(ScreenPictures, EnlargedGifNamesSayTheResponseOnScreen) {
  LoadAndOpen();
  platform.save_paths = {std::nullopt, std::nullopt, std::nullopt};
  platform.modal_presses = {"Button4", "Button1", "Button4", "Button1", "Button4", "Button3"};
  spect.CBLarge->SetChecked(true);
  ASSERT_EQ(platform.save_dialogs.size(), 3u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951rspSA.gif");
  EXPECT_EQ(platform.save_dialogs[1].default_name, "AOM001-201801241951rspSV.gif");
  EXPECT_EQ(platform.save_dialogs[2].default_name, "AOM001-201801241951rspSD.gif");
}

std::set<QRgb> Colours(const QImage& picture) {
  std::set<QRgb> colours;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
  }
  return colours;
}

TEST_F(ScreenPictures, LargerWindowsGiveTheirRoomToPlotAndGridsAndExportsKeepTheirSize) {
  Load(kThreeChannelRecord);
  form.show();
  TMyWave& plot = *form.MyWave1;
  form.BtnWave->click();
  const QImage exported = plot.Picture().copy();
  const QRect plot_place = plot.geometry();
  std::vector<std::pair<QWidget*, QRect>> places;
  for (QWidget* control : form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    places.emplace_back(control, control->geometry());
  }
  EXPECT_EQ(form.minimumSize(), form.size());
  form.resize(form.size() + QSize(300, 150));
  QCoreApplication::processEvents();  // the redraw at the new size
  EXPECT_EQ(plot.geometry(), plot_place.adjusted(0, 0, 300, 150));
  for (const auto& [control, place] : places) {
    if (control == &plot) continue;
    const QPoint moved((place.left() > plot_place.right()) * 300, (place.top() > plot_place.bottom()) * 150);
    EXPECT_EQ(control->pos(), place.topLeft() + moved) << control->objectName().toStdString();
  }
  EXPECT_EQ(plot.Picture(), exported);
  // Magnified as far as the plot's height allows, and drawn again rather than stretched: no
  // smoothed colours.
  const qreal zoom = (409.0 + 150) / 409;
  EXPECT_EQ(plot.ScreenPicture().size(), (QSizeF(exported.size()) * zoom).toSize());
  const std::set<QRgb> drawn = Colours(exported);
  for (const QRgb colour : Colours(plot.ScreenPicture())) EXPECT_TRUE(drawn.contains(colour)) << std::hex << colour;
  // The control shows it over its new width: strips and traces beyond the layout's right edge.
  const QImage shown = plot.grab().toImage();
  EXPECT_GT(CountColour(shown, kBlack, exported.width(), 0, shown.width(), shown.height()), 500);
  form.BtnCopy->click();
  EXPECT_EQ(platform.clipboard, exported);

  TSiteList& list = application.SiteList();
  list.show();
  const QRect left = list.StringGrid1->geometry(), right = list.StringGrid2->geometry();
  list.resize(list.size() + QSize(200, 100));
  EXPECT_EQ(list.StringGrid1->geometry(), left.adjusted(0, 0, 100, 100));
  EXPECT_EQ(list.StringGrid2->geometry(), right.adjusted(100, 0, 200, 100));
  list.resize(10, 10);
  EXPECT_EQ(list.size(), list.minimumSize());
  EXPECT_EQ(list.StringGrid1->geometry(), left);
}

}  // namespace
}  // namespace tremora::testing
