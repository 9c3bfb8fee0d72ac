#pragma once
// The whole program with a real record loaded and its spectrum window opened through BtnSpect.

#include <QAction>
#include <QRadioButton>
#include <cstring>
#include <memory>

#include "graph/GraphGeometry.h"
#include "spectrum/SpectrumSolver.h"
#include "spectrum/TSpect.h"
#include "ui/PixelCount.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {

inline constexpr const char* kThreeChannelRecord = "AOM0011801241951.NS";

class SpectrumWindowFixture : public ApplicationFixture {
 protected:
  SpectrumWindowFixture() : spect(application.Spect()) {}

  void Load(const std::string& name) {
    PickThroughFileButton(SamplePath(name));
    ASSERT_TRUE(form.Record.RecordLoaded) << name;
    ASSERT_GT(form.DisplayCount, 0) << "the redraw after the load chooses the displayed section";
  }

  void LoadAndOpen(const std::string& name = kThreeChannelRecord) {
    Load(name);
    form.BtnSpect->click();
  }

  // The spectra of the displayed section, computed here with ratios.
  std::unique_ptr<SpectrumSet> Expected(const DampingRatios& ratios) const {
    auto spectra = std::make_unique<SpectrumSet>();
    ComputeSpectra(form.Record, form.StartIndex, form.DisplayCount, MakePeriodGrid(), ratios, *spectra);
    return spectra;
  }

  // Channels whose slots differ from expected in any bit.
  int DifferingChannels(const SpectrumSet& expected, int channels) const {
    int differing = 0;
    for (int c = 0; c < channels; ++c) {
      differing += std::memcmp(&spect.Spectra[c], &expected[c], sizeof(ChannelSpectra)) != 0;
    }
    return differing;
  }

  const QImage& Picture() { return spect.MyGraph1->Picture(); }

  // Pixels of the damping colours 0 .. 2 and 4 (black is also the frame's) in [x0, x1).
  int ColouredPixels(int x0, int x1) {
    int count = 0;
    for (int d : {0, 1, 2, 4}) count += test::CountColour(Picture(), kSpectrumColours[d], x0, 0, x1, Picture().height());
    return count;
  }

  // The axes of panel i as last drawn (all panels share them but the origin).
  GraphAxes PanelAxes(int i) const {
    GraphAxes axes = *spect.MyGraph1;
    axes.OriginX = spect.GraphLeft[i];
    return axes;
  }

  TSpect& spect;
};

}  // namespace tremora::testing
