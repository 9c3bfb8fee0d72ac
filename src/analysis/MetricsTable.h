#pragma once
// The strong-motion indices as text: the batch tool's CSV, one row a record, and the window's
// table, copied as tab-separated text or saved as CSV.

#include <string>
#include <vector>

#include "analysis/StrongMotionIndices.h"
#include "record/RecordSet.h"

namespace tremora {

// The batch CSV: a header row naming every column with its unit, then one row per record.
// Numbers are written "%.6g" (an Arias intensity of 1e-4 m/s keeps its digits). A one-component
// record fills the columns of its direction; "components" names what was read. A text cell that
// begins with = + - or @ is written after an apostrophe, so that a spreadsheet does not run it.
std::string MetricsCsvHeader();
std::string MetricsCsvRow(const RecordSet& record, const StrongMotionIndices& indices);

// The window's table: a header row, one row per component, then the vector and intensity rows.
// Its texts as written (the CSV and the clipboard copy keep them in the first language, which
// other programs read) or as shown, in the windows' language.
using TextTable = std::vector<std::vector<std::string>>;
enum class TableTexts { Written, Shown };
TextTable MetricsTable(const RecordSet& record, const StrongMotionIndices& indices,
                       TableTexts texts = TableTexts::Written);
// The record's identification above the table: station code and name, origin time.
std::string RecordIdentification(const RecordSet& record);

// The identification and the table, cells separated by separator (',' quotes where needed, and
// puts an apostrophe before text that a spreadsheet would run, as the batch CSV does).
std::string FormatTable(const RecordSet& record, const TextTable& table, char separator);

}  // namespace tremora
