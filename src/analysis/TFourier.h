#pragma once
// The Fourier spectrum window: the amplitude spectra of the displayed acceleration section on
// log-log axes, by frequency or period, with optional Parzen smoothing, and its CSV, GIF and
// clipboard exports.

#include <QComboBox>

#include "analysis/FourierSpectrum.h"
#include "analysis/GraphExportWindow.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "wave/WaveProcessing.h"

namespace tremora {

class TFourier : public GraphExportWindow {
 public:
  TFourier();
  // Recomputes for the record's section and redraws; the record must outlive the window's use.
  void ShowSection(const RecordSet& record, const DisplayedSection& section);
  const FourierSpectra& Spectra() const { return spectra_; }

  QComboBox* CBSmooth = nullptr;
  CheckBox* CBPeriod = nullptr;

 protected:
  const RecordSet* ExportedRecord() const override { return record_; }
  std::optional<std::string> CsvText() const override;
  void LanguageChanged() override;

 private:
  void Recalculate();
  void Draw();
  const RecordSet* record_ = nullptr;
  DisplayedSection section_;
  FourierSpectra spectra_;
};

}  // namespace tremora
