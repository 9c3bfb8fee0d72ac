#include "base/Errors.h"

#include <cstring>

#include "base/Translation.h"

namespace tremora {

namespace {
std::string DescribeAccess(FileAccessError::Operation op, const std::string& path, const std::string& reason) {
  std::string message = op == FileAccessError::Operation::Open   ? Translate("Errors", "ファイルを開けません")
                        : op == FileAccessError::Operation::Read ? Translate("Errors", "ファイルを読み込めません")
                                                                 : Translate("Errors", "ファイルに書き込めません");
  message += ": " + path;
  if (!reason.empty()) message += " (" + reason + ")";
  return message;
}
}  // namespace

FileAccessError::FileAccessError(Operation op, std::string path, int error_number)
    : std::runtime_error(DescribeAccess(op, path, error_number != 0 ? std::strerror(error_number) : "")),
      operation_(op),
      path_(std::move(path)),
      error_number_(error_number) {}

FileAccessError::FileAccessError(Operation op, std::string path, const std::string& reason)
    : std::runtime_error(DescribeAccess(op, path, reason)), operation_(op), path_(std::move(path)), error_number_(0) {}

}  // namespace tremora
