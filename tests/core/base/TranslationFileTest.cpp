// The English translation file: every message translated, none left in Japanese, and every format
// string's translation filled by the same arguments as its source.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "TranslationFile.h"

namespace tremora {
namespace {

using testing::ReadTsFile;
using testing::TsMessage;

// The printf conversions of text in their order, whole ("%.3f", "%lld", "%%"): a translation
// that changed one would fill it from the wrong argument, or show a number otherwise.
std::vector<std::string> Conversions(const std::string& text) {
  static const std::regex conversion(R"(%[-+ #0]*(\*|[0-9]+)?(\.(\*|[0-9]+))?(hh|h|ll|l|z|j|t|L)?[diouxXeEfFgGaAcsp%])");
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it) {
    found.push_back(it->str());
  }
  return found;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : " ") + part;
  return "[" + text + "]";
}

// Kana (full and half width), kanji, Japanese punctuation and full-width forms.
bool HasJapanese(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    if (length == 3 && i + 2 < text.size()) {
      const unsigned code = ((byte & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                            (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
      if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) ||
          (code >= 0xFF01 && code <= 0xFF9F)) {
        return true;
      }
    }
    i += length;
  }
  return false;
}

TEST(EnglishTranslationFile, TranslatesEveryMessageWithTheSourcesConversions) {
  const std::vector<TsMessage> messages = ReadTsFile(TREMORA_TRANSLATION_FILE);
  ASSERT_FALSE(messages.empty()) << TREMORA_TRANSLATION_FILE;
  std::string faults;
  for (const TsMessage& m : messages) {
    const std::string where = m.context + " \"" + m.source + "\": ";
    if (!m.finished) {
      faults += where + "not translated\n";
      continue;
    }
    if (HasJapanese(m.translation)) faults += where + "Japanese left in \"" + m.translation + "\"\n";
    const std::vector<std::string> source = Conversions(m.source);
    const std::vector<std::string> translation = Conversions(m.translation);
    if (source != translation) {
      faults += where + "conversions " + Joined(source) + " became " + Joined(translation) + "\n";
    }
  }
  EXPECT_TRUE(faults.empty()) << faults;
}

TEST(EnglishTranslationFile, TheCheckSeesWhatItGuardsAgainst) {
  EXPECT_EQ(Conversions("%s の %d 行目 %.3f %lld %zu 100%%"),
            (std::vector<std::string>{"%s", "%d", "%.3f", "%lld", "%zu", "%%"}));
  EXPECT_NE(Conversions("%s の %d 行目"), Conversions("line %d of %s"));
  EXPECT_TRUE(HasJapanese("データ"));
  EXPECT_TRUE(HasJapanese("ｶﾀｶﾅ"));
  EXPECT_TRUE(HasJapanese("「x」"));
  EXPECT_FALSE(HasJapanese("Max. Acc. [gal] – 3 µm ×2"));
}

}  // namespace
}  // namespace tremora
