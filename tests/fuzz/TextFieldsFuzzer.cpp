// The field splitter and the text decoding on arbitrary bytes. The first byte picks the room for
// fields and the width limit; the rest is the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "base/TextCoding.h"
#include "record/TextFields.h"

using namespace tremora;
using tremora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int room = data[0] & 0x0f;
  const int width = data[0] >> 3;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const auto fields = SplitFields(text, room);
  Require(static_cast<int>(fields.size()) <= room);
  size_t characters = 0;
  for (const std::string& field : fields) characters += field.size();
  Require(characters <= text.size());

  // Decoding always gives valid UTF-8 and leaves valid UTF-8 as it is.
  const std::string utf8 = ToUtf8(text);
  Require(IsValidUtf8(utf8));
  if (IsValidUtf8(text)) Require(utf8 == text);

  // A limited text is a prefix, still valid UTF-8, within the width.
  const std::string limited = LimitText(utf8, width);
  Require(utf8.compare(0, limited.size(), limited) == 0);
  Require(IsValidUtf8(limited));
  Require(CodePageWidth(limited) <= width);

  const std::string_view trimmed = TrimLine(text);
  Require(trimmed.size() <= text.size() && text.substr(0, trimmed.size()) == trimmed);
  return 0;
}
