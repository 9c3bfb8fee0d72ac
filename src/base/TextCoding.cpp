#include "base/TextCoding.h"

#include <cerrno>
#include <iconv.h>

namespace tremora {

namespace {

// The UTF-8 character at bytes[i]: its code point and length, or false when the bytes there are no
// well-formed UTF-8 (overlong forms and surrogates included).
bool DecodeAt(std::string_view bytes, size_t i, char32_t& value, size_t& length) {
  const unsigned char c = static_cast<unsigned char>(bytes[i]);
  char32_t min_value;
  if (c < 0x80) { value = c; length = 1; return true; }
  if ((c & 0xE0) == 0xC0) { length = 2; min_value = 0x80; }
  else if ((c & 0xF0) == 0xE0) { length = 3; min_value = 0x800; }
  else if ((c & 0xF8) == 0xF0) { length = 4; min_value = 0x10000; }
  else return false;
  if (i + length > bytes.size()) return false;
  value = c & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned char t = static_cast<unsigned char>(bytes[i + k]);
    if ((t & 0xC0) != 0x80) return false;
    value = (value << 6) | (t & 0x3F);
  }
  return value >= min_value && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
}

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  char32_t value;
  size_t length;
  for (size_t i = 0; i < bytes.size(); i += length) {
    if (!DecodeAt(bytes, i, value, length)) return false;
  }
  return true;
}

std::string VisibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char32_t value;
  size_t length;
  for (size_t i = 0; i < text.size(); i += length) {
    if (!DecodeAt(text, i, value, length)) {
      out += kReplacement;
      length = 1;
    } else if (value < 0x20 || value == 0x7F) {
      // The control pictures U+2400..U+2421: an escape shows as a visible symbol, not as an action.
      const char32_t picture = value == 0x7F ? 0x2421 : 0x2400 + value;
      out += static_cast<char>(0xE0 | (picture >> 12));
      out += static_cast<char>(0x80 | ((picture >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (picture & 0x3F));
    } else if (value >= 0x80 && value < 0xA0) {
      out += kReplacement;  // C1 controls (a terminal reads U+009B as an escape sequence too)
    } else {
      out.append(text.substr(i, length));
    }
  }
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 3 / 2 + 16);
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char buffer[4096];
  while (in_left > 0) {
    char* out_ptr = buffer;
    size_t out_left = sizeof buffer;
    const size_t result = iconv(converter, &in, &in_left, &out_ptr, &out_left);
    out.append(buffer, static_cast<size_t>(out_ptr - buffer));
    if (result == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: a byte that starts no CP932 character.
      out += kReplacement;
      ++in;
      --in_left;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace tremora
