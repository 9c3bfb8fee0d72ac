#include "base/Errors.h"

#include <cstring>

namespace tremora {

namespace {
std::string DescribeAccess(FileAccessError::Operation op, const std::string& path, const std::string& reason) {
  const char* what = op == FileAccessError::Operation::Open    ? "ファイルを開けません"
                     : op == FileAccessError::Operation::Read ? "ファイルを読み込めません"
                                                               : "ファイルに書き込めません";
  std::string message = std::string(what) + ": " + path;
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
