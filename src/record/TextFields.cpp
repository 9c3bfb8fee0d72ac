#include "record/TextFields.h"

namespace tremora {

std::string_view TrimLine(std::string_view line) {
  size_t end = line.size();
  while (end > 0 && line[end - 1] == ' ') --end;
  return line.substr(0, end);
}

namespace {

// Byte length of the UTF-8 sequence starting at text[i] (1 for a byte that starts none) and the
// code point it encodes.
size_t DecodeOne(std::string_view text, size_t i, char32_t& code_point) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
  if (length == 0 || i + length > text.size()) { code_point = lead; return 1; }
  code_point = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) { code_point = lead; return 1; }
    code_point = (code_point << 6) | (byte(i + k) & 0x3F);
  }
  return length;
}

int WidthOf(char32_t code_point) {
  if (code_point < 0x80) return 1;
  if (code_point >= 0xFF61 && code_point <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

}  // namespace

int CodePageWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    char32_t code_point;
    i += DecodeOne(utf8, i, code_point);
    width += WidthOf(code_point);
  }
  return width;
}

std::string LimitText(std::string_view text, int max_width) {
  int width = 0;
  size_t i = 0;
  while (i < text.size()) {
    char32_t code_point;
    const size_t length = DecodeOne(text, i, code_point);
    if (width + WidthOf(code_point) > max_width) break;
    width += WidthOf(code_point);
    i += length;
  }
  return std::string(text.substr(0, i));
}

std::vector<std::string> SplitFields(std::string_view text, int room) {
  std::vector<std::string> fields;
  if (text.empty() || room <= 0) return fields;
  const auto add = [&](std::string field) {
    if (static_cast<int>(fields.size()) < room) fields.push_back(std::move(field));
  };
  bool in_field = false;
  std::string current;
  for (const char c : text) {
    if (!in_field) {
      if (c == ' ' || c == '\t' || c == '\n') continue;
      if (c == ',') { add(std::string()); continue; }
      in_field = true;
      current.assign(1, c);
    } else if (c == ',' || c == '\n') {
      add(std::move(current));
      current.clear();
      in_field = false;
    } else {
      current.push_back(c);
    }
  }
  if (in_field) add(std::move(current));
  else add(std::string());
  return fields;
}

}  // namespace tremora
