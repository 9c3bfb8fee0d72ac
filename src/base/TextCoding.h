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

// A text from a file made fit to show in a terminal or a window: control characters become their
// visible symbols (an escape becomes U+241B), C1 controls and bytes that are no UTF-8 become U+FFFD.
std::string VisibleText(std::string_view text);

// A text field of a record file as the windows and the terminal show it: decoded, then visible.
inline std::string DecodeFieldText(std::string_view bytes) { return VisibleText(ToUtf8(bytes)); }

}  // namespace tremora
