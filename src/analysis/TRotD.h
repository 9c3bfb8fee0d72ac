#pragma once
// The orientation-independent spectrum window: PSA of NS and EW and RotD00, RotD50, RotD100 of
// the displayed horizontal section on log-log axes, by period or frequency, at one of the spectrum
// window's five damping ratios, with its CSV, GIF and clipboard exports.

#include <QComboBox>

#include "analysis/RotatedSpectra.h"
#include "analysis/GraphExportWindow.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "wave/WaveProcessing.h"

namespace tremora {

class TRotD : public GraphExportWindow {
 public:
  TRotD();
  // Recomputes for the record's section with the spectrum window's damping set and method, and
  // redraws; the record must outlive the window's use.
  void ShowSection(const RecordSet& record, const DisplayedSection& section, const DampingRatios& ratios,
                   SpectrumMethod method);
  // Empty for a record without two horizontal components.
  const std::optional<RotatedSpectrum>& Spectrum() const { return spectrum_; }

  QComboBox* CBDamping = nullptr;
  CheckBox* CBFrequency = nullptr;

 protected:
  const RecordSet* ExportedRecord() const override { return record_; }
  void LanguageChanged() override;
  std::optional<std::string> CsvText() const override;

 private:
  void Recalculate();
  void Draw();
  const RecordSet* record_ = nullptr;
  DisplayedSection section_;
  DampingRatios ratios_{};
  SpectrumMethod method_ = SpectrumMethod::LinearAcceleration;
  std::optional<RotatedSpectrum> spectrum_;
};

}  // namespace tremora
