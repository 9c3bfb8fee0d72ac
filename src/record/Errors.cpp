#include "record/Errors.h"

#include <cstring>

namespace tremora {

namespace {
std::string DescribeAccess(FileAccessError::Operation op, const std::string& path, int error_number) {
  const char* what = op == FileAccessError::Operation::Open    ? "ファイルを開けません"
                     : op == FileAccessError::Operation::Read ? "ファイルを読み込めません"
                                                               : "ファイルに書き込めません";
  std::string message = std::string(what) + ": " + path;
  if (error_number != 0) message += " (" + std::string(std::strerror(error_number)) + ")";
  return message;
}
}  // namespace

FileAccessError::FileAccessError(Operation op, std::string path, int error_number)
    : std::runtime_error(DescribeAccess(op, path, error_number)),
      operation_(op),
      path_(std::move(path)),
      error_number_(error_number) {}

}  // namespace tremora
