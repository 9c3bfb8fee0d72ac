// Values read off the plots with the mouse, through the events a user's mouse and keyboard send:
// the main window's status line, the graphs' read-out, and markers that never reach a picture
// the program exports.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "analysis/TFourier.h"
#include "graph/TMyGraph.h"
#include "record/RecordClock.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

void Move(QWidget& widget, int x, int y) {
  QMouseEvent event(QEvent::MouseMove, QPointF(x, y), widget.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget, int x, int y) {
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), widget.mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

bool PressEscape(QWidget& widget) {
  QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
  return event.isAccepted();
}

// The parts of a status line, which stand three blanks apart.
std::vector<std::string> Parts(const std::string& line) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at = line.find("   "); at != std::string::npos; at = line.find("   ", from)) {
    parts.push_back(line.substr(from, at - from));
    from = at + 3;
  }
  parts.push_back(line.substr(from));
  return parts;
}

using Readout = SpectrumWindowFixture;

TEST_F(Readout, TheStatusLineReadsTheStripUnderTheMouseAgainstTheRecord) {
  Load(kThreeChannelRecord);
  TMyWave& plot = *form.MyWave1;
  ASSERT_GE(plot.Strips().size(), 3u);
  const int top_strip = plot.Strips()[0].axes.OriginY;
  Move(plot, plot.OriginX + 150, top_strip);
  const std::string line = form.ReadoutLine->text().toStdString();
  const std::vector<std::string> parts = Parts(line);
  ASSERT_EQ(parts.size(), 4u) << line;
  EXPECT_EQ(parts[0], "NS 加速度");
  ASSERT_TRUE(parts[1].starts_with("記録開始から ") && parts[1].ends_with(" s")) << line;
  ASSERT_TRUE(parts[2].starts_with("値 ") && parts[2].ends_with(" gal")) << line;
  ASSERT_TRUE(parts[3].starts_with("時刻 ")) << line;
  const double seconds = std::stod(parts[1].substr(std::string("記録開始から ").size()));
  const double value = std::stod(parts[2].substr(std::string("値 ").size()));
  const std::string clock = parts[3].substr(std::string("時刻 ").size());
  // The sample at that time in the record as read, and the header's time less the logger's 15 s.
  const int sample = static_cast<int>(seconds / 0.01 + 0.5);
  EXPECT_GE(sample, form.StartIndex);
  EXPECT_LT(sample, form.StartIndex + form.DisplayCount);
  EXPECT_EQ(ReadoutNumber(value), ReadoutNumber(form.Record.Acceleration[0][sample]));
  EXPECT_EQ(clock, ClockText(*RecordStartClock(form.Record) + seconds, 2));
  EXPECT_EQ(ClockText(*RecordStartClock(form.Record), 0), "2018/01/24 19:51:28");
  // Off the plot the line empties; the window grew by the line, the plot kept its place.
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&plot, &leave);
  EXPECT_EQ(form.ReadoutLine->text(), "");
  EXPECT_EQ(plot.geometry(), QRect(12, 48, 593, 409));
}

TEST_F(Readout, MarkersShowOnScreenOnlyAndGoByClickEscOrRedraw) {
  Load(kThreeChannelRecord);
  TMyWave& plot = *form.MyWave1;
  const QImage exported = plot.Picture().copy();
  const int x = plot.OriginX + 150, y = plot.Strips()[1].axes.OriginY;
  Click(plot, x, y);
  Click(plot, x + 100, y);
  ASSERT_EQ(plot.Markers().All().size(), 2u);
  const PinnedMarker first = plot.Markers().All()[0];
  EXPECT_EQ(first.at.x, x);
  EXPECT_NE(first.text.find(" gal ("), std::string::npos) << first.text;
  // The picture every export takes is untouched; the screen shows the marker in orange.
  EXPECT_EQ(plot.Picture(), exported);
  const QImage screen = plot.grab().toImage();
  EXPECT_EQ(screen.pixelColor(first.at.x + 4, first.at.y), QColor(0xFF, 0x80, 0x00));
  // A click on a marker removes it; Esc the latest; with none left Esc goes on to the window.
  Click(plot, first.at.x + 2, first.at.y - 2);
  ASSERT_EQ(plot.Markers().All().size(), 1u);
  EXPECT_TRUE(PressEscape(plot));
  EXPECT_TRUE(plot.Markers().All().empty());
  EXPECT_FALSE(PressEscape(plot));
  // A redraw paints the picture over: its markers go with it.
  Click(plot, x, y);
  form.RGTime->SetItemIndex(0);
  EXPECT_TRUE(plot.Markers().All().empty());
}

TEST_F(Readout, GraphsReadEveryCurveAtThePeriodOrFrequencyUnderTheMouse) {
  LoadAndOpen();
  TMyGraph& graph = *spect.MyGraph1;
  // The middle panel shows SV; at its left half every damping ratio's curve is read, in kine.
  const GraphAxes sv = PanelAxes(1);
  Move(graph, sv.OriginX + 120, sv.OriginY - 40);
  ASSERT_TRUE(graph.Hovered());
  const std::vector<ReadoutLine>& lines = graph.Hovered()->lines;
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].text.rfind("周　期 ", 0), 0u) << lines[0].text;
  EXPECT_EQ(lines[1].text.rfind("h=0%  ", 0), 0u) << lines[1].text;
  EXPECT_EQ(lines[5].text.substr(lines[5].text.size() - 5), " kine") << lines[5].text;
  EXPECT_EQ(lines[1].colour, kSpectrumColours[0]);

  // The Fourier window names its curves by component, with nothing more than the graph's titles.
  form.Fourier1->trigger();
  TMyGraph& fourier = *form.Fourier->MyGraph1;
  Move(fourier, fourier.OriginX + 300, fourier.OriginY - 200);
  ASSERT_TRUE(fourier.Hovered());
  ASSERT_EQ(fourier.Hovered()->lines.size(), 4u);
  EXPECT_EQ(fourier.Hovered()->lines[0].text.rfind("Frequency ", 0), 0u);
  EXPECT_EQ(fourier.Hovered()->lines[0].text.substr(fourier.Hovered()->lines[0].text.size() - 3), " Hz");
  EXPECT_EQ(fourier.Hovered()->lines[2].text.rfind("EW  ", 0), 0u);
  EXPECT_NE(fourier.Hovered()->lines[2].text.find(" gal s"), std::string::npos);
  // Without a status line the graph shows the read-out itself, beside the pointer, on screen only.
  const QImage exported = fourier.Picture().copy();
  EXPECT_NE(fourier.grab().toImage().copy(0, 0, exported.width(), exported.height()).convertToFormat(exported.format()),
            exported);
  EXPECT_EQ(fourier.Picture(), exported);
}

}  // namespace
}  // namespace tremora::testing
