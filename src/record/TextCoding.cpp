#include "record/TextCoding.h"

#include <cerrno>
#include <iconv.h>

namespace tremora {

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    size_t length;
    char32_t min_value;
    if (c < 0x80) { ++i; continue; }
    if ((c & 0xE0) == 0xC0) { length = 2; min_value = 0x80; }
    else if ((c & 0xF0) == 0xE0) { length = 3; min_value = 0x800; }
    else if ((c & 0xF8) == 0xF0) { length = 4; min_value = 0x10000; }
    else return false;
    if (i + length > n) return false;
    char32_t value = c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      const unsigned char t = static_cast<unsigned char>(bytes[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      value = (value << 6) | (t & 0x3F);
    }
    if (value < min_value || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    i += length;
  }
  return true;
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
      out += "\xEF\xBF\xBD";
      ++in;
      --in_left;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace tremora
