#include "graph/TMyGraph.h"

#include <vector>

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"
#include "ui/PixelCount.h"

namespace tremora {
namespace {

Colour At(TMyGraph& graph, int x, int y) { return test::ColourAt(graph.Picture(), x, y); }

int CountIn(TMyGraph& graph, Colour colour, int x0, int y0, int x1, int y1) {
  return test::CountColour(graph.Picture(), colour, x0, y0, x1, y1);
}

TEST(TMyGraph, NewGraphFrameHasThickOuterLinesThinGridAndDottedMinorLines) {
  ScriptedPlatform platform;
  TMyGraph graph;
  EXPECT_EQ(graph.size(), QSize(300, 300));
  graph.Clear(kRed);
  graph.DrawWaku();
  EXPECT_EQ(At(graph, 0, 0), kWhite);  // the frame paints the background white first
  // Across a row in the middle of the first division: outer lines 2 pixels, inner ones 1.
  EXPECT_EQ(CountIn(graph, kBlack, 30, 240, 40, 241), 2);
  EXPECT_EQ(CountIn(graph, kBlack, 95, 240, 100, 241), 1);
  EXPECT_EQ(CountIn(graph, kBlack, 280, 240, 290, 241), 2);
  // A minor line at x = 47 is dotted: black and white along it.
  const int dots = CountIn(graph, kBlack, 47, 30, 48, 200);
  EXPECT_GT(dots, 30);
  EXPECT_LT(dots, 140);
  // Tick texts under the lines and left of them.
  EXPECT_GT(CountIn(graph, kBlack, 150, 275, 170, 275 + graph.GetCanvas().TextHeight("10")), 3);
  EXPECT_GT(CountIn(graph, kBlack, 5, 14, 25, 30), 3);
  EXPECT_TRUE(platform.messages.empty());
}

// Issue 9: the longest tick text of a logarithmic axis was cut at the picture's left edge.
TEST(TMyGraph, LongestLogarithmicTickTextFitsLeftOfTheFirstPanel) {
  ScriptedPlatform platform;
  TMyGraph graph;
  graph.resize(897, 305);
  graph.OriginX = 50;
  graph.LinearY = false;
  graph.SValueY = 0.0001f;
  graph.VValueY = 10.0f;
  graph.NGridY = 3;
  graph.DrawWaku();
  const Canvas& canvas = graph.GetCanvas();
  const int h = canvas.TextHeight("0.0001");
  EXPECT_TRUE(test::DrawnWhole(graph.Picture(), canvas, 40 - canvas.TextWidth("0.0001"), 270 - h / 2, "0.0001"));
}

TEST(TMyGraph, FrameLeavesPenAndBrushForTheCurves) {
  TMyGraph graph;
  graph.GetCanvas().SetPenColour(kRed);
  graph.GetCanvas().SetPenWidth(3);
  graph.DrawWaku();
  Canvas& canvas = graph.GetCanvas();
  EXPECT_EQ(canvas.PenColour(), kBlack);
  EXPECT_EQ(canvas.PenWidth(), 1);
  EXPECT_EQ(canvas.GetPenStyle(), PenStyle::Solid);
  EXPECT_EQ(canvas.BrushColour(), kWhite);
}

TEST(TMyGraph, OverWriteKeepsWhatIsAlreadyDrawn) {
  TMyGraph graph;
  graph.Clear(kRed);
  graph.OverWrite = true;
  graph.DrawWaku();
  EXPECT_EQ(At(graph, 0, 0), kRed);
  EXPECT_EQ(At(graph, 60, 150), kRed);  // inside the plot area, between grid lines
}

TEST(TMyGraph, LogarithmicAxisFromZeroIsReportedAndTheProgramAskedToEnd) {
  ScriptedPlatform platform;
  TMyGraph graph;
  graph.LinearX = false;
  graph.LinearY = false;
  graph.DrawWaku();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "X Logarithmic Scale can not be determind.");
  EXPECT_EQ(platform.messages[0].caption, "X Scale Error");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(platform.messages[1].text, "Y Logarithmic Scale can not be determind.");
  EXPECT_EQ(platform.messages[1].caption, "Y Scale Error");
  EXPECT_EQ(platform.terminate_requests, 2);
  EXPECT_EQ(At(graph, 35, 150), kBlack);  // the frame is drawn all the same
}

TEST(TMyGraph, NegativeDataOnALogarithmicScaleAreReported) {
  ScriptedPlatform platform;
  TMyGraph graph;
  graph.LinearY = false;
  const std::vector<float> values{-5.0f, 980.0f};
  graph.YScaleUnit1(2, values.data());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "負のデータを対数目盛りでは表せません");
  EXPECT_EQ(platform.messages[0].caption, "目盛り設定エラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.terminate_requests, 1);
  // The scale is still chosen from the largest magnitude: 4 decades up to 1000.
  EXPECT_FLOAT_EQ(graph.SValueY, 0.1f);
  EXPECT_EQ(graph.VValueY, 10.0f);
}

TEST(TMyGraph, ScaleOperationsSetTheAxisSettings) {
  TMyGraph graph;
  const std::vector<float> values{120.0f, 980.0f, 3.0f};
  graph.YScaleUnit(3, values.data());
  EXPECT_EQ(graph.SValueY, 0.0f);
  EXPECT_EQ(graph.VValueY, 250.0f);
  graph.YScaleUnit(0, values.data());
  EXPECT_EQ(graph.VValueY, 1e-10f);
  const std::vector<float> mixed{-3.0f, 2.0f};
  graph.NGridX = 5;
  graph.XScaleUnit1(2, mixed.data());
  EXPECT_EQ(graph.NGridX, 6);
  EXPECT_EQ(graph.SValueX, -3.0f);
  EXPECT_EQ(graph.VValueX, 1.0f);
}

TEST(TMyGraph, DrawGraphJoinsPointsAroundOneALogAxisCannotPlace) {
  TMyGraph graph;
  graph.LinearY = false;
  graph.SValueY = 1.0f;
  graph.VValueY = 10.0f;
  graph.DrawWaku();
  graph.GetCanvas().SetPenColour(kRed);
  const std::vector<float> x{0.0f, 10.0f, 20.0f};
  const std::vector<float> y{10.0f, 0.0f, 10.0f};
  graph.DrawGraph(3, x.data(), y.data());
  // One straight line at the row of 10 from x = 35 to 283.
  EXPECT_EQ(At(graph, 100, 208), kRed);
  EXPECT_EQ(At(graph, 159, 208), kRed);
  EXPECT_EQ(CountIn(graph, kRed, 159, 209, 160, 270), 0);
}

TEST(TMyGraph, CurvesBelowALogAxisOrAboveTheScaleStayInThePlotArea) {
  for (const bool logarithmic : {true, false}) {
    TMyGraph graph;
    graph.LinearY = !logarithmic;
    graph.SValueY = logarithmic ? 1.0f : 0.0f;
    graph.VValueY = 10.0f;
    graph.DrawWaku();
    graph.GetCanvas().SetPenColour(kRed);
    graph.GetCanvas().SetPenWidth(2);
    // Down to a thousandth of the axis's start, then far over its top.
    const std::vector<float> x{0.0f, 5.0f, 10.0f, 15.0f, 20.0f};
    const std::vector<float> y{10.0f, 1e-3f, 10.0f, 1e6f, 10.0f};
    graph.DrawGraph(5, x.data(), y.data());
    const PixelRect frame = GraphPlotFrame(graph);
    // A 2-pixel pen may cover one pixel beside the border, never the texts beyond.
    const int all = CountIn(graph, kRed, 0, 0, graph.width(), graph.height());
    EXPECT_EQ(CountIn(graph, kRed, frame.left - 1, frame.top - 1, frame.right + 1, frame.bottom + 1), all);
    EXPECT_GT(all, 300) << logarithmic;
  }
}

TEST(TMyGraph, PlotGraphStopsAtTheFirstPointRightOfThePlotArea) {
  TMyGraph graph;
  graph.Clear(kWhite);
  const std::vector<float> x{5.0f, 20.3f, 10.0f};
  const std::vector<float> y{20.0f, 20.0f, 20.0f};
  graph.PlotGraph(3, x.data(), y.data(), 2, 4);  // squares
  EXPECT_EQ(At(graph, 95, 146), kBlack);  // left edge of the square round (97, 146)
  EXPECT_EQ(CountIn(graph, kBlack, 150, 130, 170, 160), 0);  // the third point lies inside but is not drawn
  EXPECT_EQ(CountIn(graph, kBlack, 280, 130, 295, 160), 0);
}

TEST(TMyGraph, SkipGraphDrawsEveryKthPoint) {
  std::vector<float> x(9), y(9, 20.0f);
  for (int i = 0; i < 9; ++i) x[i] = 2.0f * static_cast<float>(i);  // 24.8 pixels apart
  auto marked_columns = [&](int step) {
    TMyGraph graph;
    graph.Clear(kWhite);
    graph.SkipGraph(9, x.data(), y.data(), 0, 3, step);
    std::vector<int> columns;
    for (int i = 0; i < 9; ++i) {
      const int px = *GraphColumn(graph, x[i]);
      if (At(graph, px, 146 - 3) == kBlack) columns.push_back(i);
    }
    return columns;
  };
  EXPECT_EQ(marked_columns(3), (std::vector<int>{0, 3, 6}));
  EXPECT_TRUE(marked_columns(0).empty());
  EXPECT_EQ(marked_columns(1).size(), 9u);
}

TEST(TMyGraph, MarkersOfEveryKindStayInTheirBox) {
  for (int kind = 0; kind <= 6; ++kind) {
    TMyGraph graph;
    graph.Clear(kWhite);
    graph.GetCanvas().SetBrushColour(kRed);
    const float x = 10.0f, y = 20.0f;  // pixel (159, 146)
    graph.PlotGraph(1, &x, &y, kind, 5);
    const int inside = CountIn(graph, kBlack, 154, 141, 165, 152) + CountIn(graph, kRed, 154, 141, 165, 152);
    const int all = CountIn(graph, kBlack, 0, 0, 300, 300) + CountIn(graph, kRed, 0, 0, 300, 300);
    EXPECT_EQ(inside, all) << kind;
    if (kind <= 5) {
      EXPECT_GT(all, 8) << kind;
    } else {
      EXPECT_EQ(all, 0);
    }
  }
}

}  // namespace
}  // namespace tremora
