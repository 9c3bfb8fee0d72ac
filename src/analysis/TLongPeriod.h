#pragma once
// The long-period ground-motion window (長周期地震動): JMA's absolute velocity response Sva of the
// loaded record against period, with the class thresholds, the largest point and the class; its
// CSV, GIF and clipboard exports. Computed over the whole record, as the agency does, not over the
// displayed section.

#include <string>

#include "analysis/LongPeriodClass.h"
#include "analysis/GraphExportWindow.h"
#include "record/RecordSet.h"

namespace tremora {

class TextLabel;

class TLongPeriod : public GraphExportWindow {
 public:
  TLongPeriod();
  // Shows the record's spectrum, computed when the record is new to the window or was loaded again
  // since; the record must outlive the window's use.
  void ShowRecord(const RecordSet& record);
  // Run after every load: the next ShowRecord computes again.
  void RecordLoaded() { stale_ = true; }
  const SvaSpectrum& Spectrum() const { return spectrum_; }

  TextLabel* LabelClass = nullptr;  // the class, the largest Sva and its period
  TextLabel* LabelNote = nullptr;   // whole record; a re-derived filter

 private:
  const RecordSet* ExportedRecord() const override { return record_; }
  std::optional<std::string> CsvText() const override;
  void LanguageChanged() override;
  // The class line and the note of the spectrum held, in the current language.
  void ShowClass();
  void Draw();
  const RecordSet* record_ = nullptr;
  bool stale_ = true;
  double dt_ = 0;
  bool usable_ = false;  // a three-component record: the spectrum was computed
  SvaSpectrum spectrum_;
};

}  // namespace tremora
