#pragma once
// The networks publish their station tables (and any Japanese text in a record) in CP932
// (Shift-JIS); inside the program every text is UTF-8.

#include <string>
#include <string_view>

namespace tremora {

bool IsValidUtf8(std::string_view bytes);

// Returns bytes unchanged when they are valid UTF-8, else decodes them from CP932. A byte sequence
// that is not CP932 either becomes U+FFFD, so nothing is dropped silently.
std::string ToUtf8(std::string_view bytes);

}  // namespace tremora
