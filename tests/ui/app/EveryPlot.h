#pragma once
// Every plot of the program drawn once from a real record: the waveform strips, the spectrum window
// in its display modes, the Fourier window and the enlarged and overlay graphs.

#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

#include "analysis/TFourier.h"
#include "graph/TLarge.h"
#include "graph/TSuper.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {

struct PlotPicture {
  std::string name;
  PictureControl* control;
  QImage picture;  // the 1x picture right after the drawing
};

// FNV-1a over the pixels' colours, whatever the picture's format.
inline std::uint64_t PixelChecksum(const QImage& picture) {
  std::uint64_t hash = 14695981039346656037ull;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb rgb = picture.pixel(x, y) & 0xFFFFFF;
      for (int shift = 0; shift < 24; shift += 8) hash = (hash ^ ((rgb >> shift) & 0xFF)) * 1099511628211ull;
    }
  }
  return hash;
}

class EveryPlotFixture : public SpectrumWindowFixture {
 protected:
  std::vector<PlotPicture> DrawEveryPlot() {
    std::vector<PlotPicture> plots;
    auto take = [&](const std::string& name, PictureControl& control) {
      plots.push_back({name, &control, control.Picture().copy()});
    };
    LoadAndOpen();
    take("waveform", *form.MyWave1);
    take("spectra per component", *spect.MyGraph1);
    spect.RGSpect->SetItemIndex(1);
    take("spectra per response", *spect.MyGraph1);
    spect.RGXScale->SetItemIndex(0);
    spect.RGYScale->SetItemIndex(0);
    take("spectra on linear axes", *spect.MyGraph1);
    spect.RGXUnit->SetItemIndex(1);
    take("spectra over frequency", *spect.MyGraph1);
    form.Fourier1->trigger();
    take("Fourier spectra", *form.Fourier->MyGraph1);
    spect.RGSpect->SetItemIndex(0);
    spect.RGXScale->SetItemIndex(1);
    spect.RGYScale->SetItemIndex(1);
    spect.RGXUnit->SetItemIndex(0);
    TLarge& large = application.Large();
    TSuper& super = application.Super();
    platform.modal_presses = {"Button5", "Button6", "Button3"};
    int step = 0;
    platform.on_modal = [&](QWidget&) {
      take("enlarged step " + std::to_string(step), *large.MyGraph1);
      if (step > 0) take("overlay " + std::to_string(step), *super.MyGraph1);
      ++step;
    };
    spect.CBLarge->SetChecked(true);
    platform.on_modal = nullptr;
    return plots;
  }
};

}  // namespace tremora::testing
