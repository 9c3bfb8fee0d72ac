// The menu command that copies the loaded record's files under names that carry the station's place.

#include "app/TForm1.h"
#include "base/Errors.h"
#include "platform/Messages.h"
#include "record/KnetLoading.h"
#include "record/StationNamedCopies.h"

namespace tremora {

void TForm1::N8Click() {
  if (IsForeignFormat(Record.Format)) {
    ShowWarning(kNeedsKnetRecordMessage, kNamedCopyCaption);
    return;
  }
  NamedCopyResult result;
  try {
    result = MakeStationNamedCopies(Record);
  } catch (const std::runtime_error& error) {  // FileAccessError or RecordFormatError
    ShowWarning(error.what(), kNamedCopyCaption);
    return;
  }
  switch (result.outcome) {
    case NamedCopyOutcome::NothingLoaded:
      break;
    case NamedCopyOutcome::NoStationInformation:
      ShowWarning(kNoStationForCopyMessage, kUnknownStationCaption);
      break;
    case NamedCopyOutcome::Written:
      ShowWarning(result.report, kNamedCopyCaption);
      break;
  }
}

}  // namespace tremora
