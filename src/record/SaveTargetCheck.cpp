#include "record/SaveTargetCheck.h"

#include "platform/Messages.h"
#include "record/CNumbers.h"

namespace tremora {

bool RefusedAsRecordFile(const RecordSet& record, const std::string& path) {
  const std::string* input = RecordFileAt(record, path);
  if (input == nullptr) return false;
  ShowWarning(FormatC("%s は表示中のデータファイル %s そのものです\n\nデータファイルを守るため、保存しませんでした",
                      path.c_str(), input->c_str()),
              "保存先エラー");
  return true;
}

}  // namespace tremora
