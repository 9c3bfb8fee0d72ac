#pragma once
// The Fourier spectrum window: the amplitude spectra of the displayed acceleration section on
// log-log axes, by frequency or period, with optional Parzen smoothing, and its CSV, GIF and
// clipboard exports.

#include <QComboBox>

#include "analysis/FourierSpectrum.h"
#include "app/SecondaryWindows.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "wave/WaveProcessing.h"

namespace tremora {

class TMyGraph;

class TFourier : public SecondaryWindow {
 public:
  TFourier();
  // Recomputes for the record's section and redraws; the record must outlive the window's use.
  void ShowSection(const RecordSet& record, const DisplayedSection& section);
  const FourierSpectra& Spectra() const { return spectra_; }

  TMyGraph* MyGraph1 = nullptr;
  QComboBox* CBSmooth = nullptr;
  CheckBox* CBPeriod = nullptr;
  QPushButton *BtnCSV = nullptr, *BtnGIF = nullptr, *BtnCopy = nullptr, *BtnClose = nullptr;
  FileDialogOptions CsvDialog, GifDialog;

 private:
  void Recalculate();
  void Draw();
  void SaveCsv();
  void SaveGif();
  const RecordSet* record_ = nullptr;
  DisplayedSection section_;
  FourierSpectra spectra_;
  std::string last_csv_folder_, last_gif_folder_;
};

}  // namespace tremora
