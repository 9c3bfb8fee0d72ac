#pragma once
// The text of the usage help window.

#include <string>

namespace tremora {

// The release shown in the help and version windows.
inline constexpr const char* kReleaseDate = "2026年12月8日";

// The whole help text, lines separated by line feeds.
std::string HelpText();

}  // namespace tremora
