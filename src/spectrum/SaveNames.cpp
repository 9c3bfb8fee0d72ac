#include "spectrum/SaveNames.h"

namespace tremora {

namespace {
size_t NameStart(std::string_view path) {
  const size_t separator = path.rfind('/');
  return separator == std::string_view::npos ? 0 : separator + 1;
}
}  // namespace

std::string_view FileExtension(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const size_t period = name.rfind('.');
  return period == std::string_view::npos ? std::string_view() : name.substr(period);
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  if (!FileExtension(path).empty()) return path;
  return path + std::string(extension);
}

std::string FolderWithSeparator(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

}  // namespace tremora
