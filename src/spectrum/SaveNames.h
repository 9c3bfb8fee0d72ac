#pragma once
// File names chosen in a save dialog: the extension is the text from the last period of the name
// (after the last folder separator, so a period in a folder name does not count).

#include <string>
#include <string_view>

namespace tremora {

// "" when the name has no period; "." for a name that ends in one.
std::string_view FileExtension(std::string_view path);

// path with extension (".csv") appended when its name has none; any other extension stays.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// The folder part with its trailing separator, "" for a bare name: the next dialog starts there.
std::string FolderWithSeparator(std::string_view path);

}  // namespace tremora
