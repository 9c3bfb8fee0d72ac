#pragma once
// The messages of a Qt Linguist .ts file, read with just enough XML for what lupdate writes:
// <context><name>, <message><source>, <translation> with its type, and the five entities and
// numeric character references in texts.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tremora::testing {

struct TsMessage {
  std::string context;
  std::string source;
  std::string translation;
  bool finished = false;  // a translation without type="unfinished" (or "vanished", "obsolete")
};

inline void AppendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

inline std::string XmlText(const std::string& raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    const size_t end = raw[i] == '&' ? raw.find(';', i) : std::string::npos;
    if (end == std::string::npos) {
      out += raw[i];
      continue;
    }
    const std::string entity = raw.substr(i + 1, end - i - 1);
    if (entity == "lt") out += '<';
    else if (entity == "gt") out += '>';
    else if (entity == "amp") out += '&';
    else if (entity == "quot") out += '"';
    else if (entity == "apos") out += '\'';
    else if (entity.starts_with("#x")) AppendUtf8(out, std::stoul(entity.substr(2), nullptr, 16));
    else if (entity.starts_with("#")) AppendUtf8(out, std::stoul(entity.substr(1)));
    else out += '&' + entity + ';';
    i = end;
  }
  return out;
}

// The text between <tag ...> and </tag> from position at; at moves past it. False when there is
// none before limit. attributes receives what stands in the opening tag after its name.
inline bool NextElement(const std::string& xml, const std::string& tag, size_t& at, size_t limit, std::string& text,
                        std::string* attributes = nullptr) {
  const size_t open = xml.find("<" + tag, at);
  if (open == std::string::npos || open >= limit) return false;
  const size_t open_end = xml.find('>', open);
  if (attributes != nullptr) *attributes = xml.substr(open + 1 + tag.size(), open_end - open - 1 - tag.size());
  if (xml[open_end - 1] == '/') {  // <translation/>
    text.clear();
    at = open_end + 1;
    return true;
  }
  const size_t close = xml.find("</" + tag + ">", open_end);
  text = XmlText(xml.substr(open_end + 1, close - open_end - 1));
  at = close + tag.size() + 3;
  return true;
}

inline std::vector<TsMessage> ReadTsFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream buffer;
  buffer << file.rdbuf();
  const std::string xml = buffer.str();
  std::vector<TsMessage> messages;
  size_t at = 0;
  std::string context_text;
  while (NextElement(xml, "context", at, xml.size(), context_text)) {
    // The context's own text is searched again in place, so that its messages keep their entities.
    const size_t context_end = at;
    size_t inner = xml.rfind("<context>", context_end);
    std::string name;
    NextElement(xml, "name", inner, context_end, name);
    std::string message;
    while (NextElement(xml, "message", inner, context_end, message)) {
      const size_t message_end = inner;
      size_t field = xml.rfind("<message", message_end);
      TsMessage m;
      m.context = name;
      NextElement(xml, "source", field, message_end, m.source);
      std::string attributes;
      if (NextElement(xml, "translation", field, message_end, m.translation, &attributes)) {
        m.finished = attributes.find("type=") == std::string::npos && !m.translation.empty();
      }
      messages.push_back(std::move(m));
    }
  }
  return messages;
}

}  // namespace tremora::testing
