#pragma once
// The text of the usage help window.

#include <string>

namespace tremora {

// The release shown in the help and version windows, in the current language.
std::string ReleaseDate();

// The whole help text in the current language, lines separated by line feeds.
std::string HelpText();

}  // namespace tremora
