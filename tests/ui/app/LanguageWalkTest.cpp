// The program's texts in its two languages, from one walk through every window.
//
// japanese_texts.txt beside this file holds the lines of the Japanese walk. After a deliberate
// change of a Japanese text it is written anew by the Japanese test itself:
//   TREMORA_WRITE_TEXTS=tests/ui/app/japanese_texts.txt QT_QPA_PLATFORM=offscreen
//     build/tests/tremora_ui_tests --gtest_filter=LanguageWalk.JapaneseTextsAreTheProgramsOwn
// (one command, from the project's folder).

#include <QCoreApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/Language.h"
#include "ui/app/TextWalk.h"

namespace tremora::testing {
namespace {

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines only one side has: "- " expected, "+ " shown; both are sorted.
std::string Differences(const std::vector<std::string>& expected, const std::vector<std::string>& shown) {
  std::vector<std::string> missing, extra;
  std::set_difference(expected.begin(), expected.end(), shown.begin(), shown.end(), std::back_inserter(missing));
  std::set_difference(shown.begin(), shown.end(), expected.begin(), expected.end(), std::back_inserter(extra));
  std::string out;
  for (const std::string& line : missing) out += "- " + line + "\n";
  for (const std::string& line : extra) out += "+ " + line + "\n";
  return out;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

// The language menu names each language in itself: its Japanese item and its two-language title.
bool NamesALanguage(const std::string& text) {
  const QString plain = QString::fromStdString(text).remove('&').trimmed();
  return plain == "日本語" || (plain.contains("言語") && plain.contains("Language"));
}

// text without the texts of the records it may quote; longer texts first, so that a place is taken
// out whole before the station name inside it.
std::string WithoutRecordTexts(std::string text, const std::set<std::string>& record_texts) {
  std::vector<std::string> quoted(record_texts.begin(), record_texts.end());
  std::stable_sort(quoted.begin(), quoted.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  for (const std::string& quote : quoted) {
    for (std::size_t at = text.find(quote); at != std::string::npos; at = text.find(quote, at)) {
      text.erase(at, quote.size());
    }
  }
  return text;
}

class LanguageWalk : public TextWalkFixture {
 protected:
  void TearDown() override { RemoveLanguage(); }

  // The lines of the walk against the Japanese texts on record; an empty string when they agree.
  std::string DifferencesFromJapanese(const std::vector<ShownText>& texts) {
    const std::vector<std::string> lines = LinesOf(texts);
    if (const char* path = std::getenv("TREMORA_WRITE_TEXTS")) {
      std::ofstream(path, std::ios::binary) << Joined(lines);
    }
    return Differences(ReadLines(TREMORA_JAPANESE_TEXTS), lines);
  }

  // The widgets' texts of every window as they stand, without a tour.
  std::vector<std::string> WindowLines() {
    ShownTexts now;
    NameFolders(now);
    for (QWidget* window : Windows()) now.AddWindow(*window);
    return now.Lines();
  }
};

TEST_F(LanguageWalk, JapaneseTextsAreTheProgramsOwn) {
  const std::vector<ShownText> texts = Walk();
  ASSERT_GT(texts.size(), 500u) << "the walk reached too few windows";
  EXPECT_EQ(DifferencesFromJapanese(texts), "");
}

TEST_F(LanguageWalk, EnglishLeavesNoJapaneseTextAndEveryCaptionReadsWhole) {
  ASSERT_TRUE(ApplyLanguage(*qApp, Language::English));
  QCoreApplication::processEvents();
  const std::vector<ShownText> texts = Walk();
  ASSERT_FALSE(record_texts.empty());

  std::vector<std::string> untranslated;
  for (const ShownText& shown : texts) {
    if (NamesALanguage(shown.text)) continue;
    if (HasJapanese(WithoutRecordTexts(shown.text, record_texts))) untranslated.push_back(LineOf(shown));
  }
  std::vector<std::string> cut;
  for (QWidget* window : Windows()) {
    window->show();  // laid out as on screen
    for (const std::string& caption : CutCaptions(*window)) cut.push_back(caption);
  }
  EXPECT_TRUE(untranslated.empty()) << untranslated.size() << " texts in Japanese:\n" << Joined(untranslated);
  EXPECT_TRUE(cut.empty()) << cut.size() << " captions cut:\n" << Joined(cut);
}

TEST(CaptionFit, ListsCaptionsWiderThanTheirWidgetOrTheirWindow) {
  QWidget window;
  window.setObjectName("Window");
  window.resize(200, 100);
  auto* fits = new QPushButton("Close", &window);
  fits->setGeometry(10, 10, 75, 25);
  auto* cut = new QPushButton("Save the spectra as a CSV file", &window);
  cut->setObjectName("Cut");
  cut->setGeometry(10, 40, 75, 25);
  auto* beyond = new QLabel("A label that sizes itself beyond its window", &window);
  beyond->setObjectName("Beyond");
  beyond->move(120, 70);
  beyond->adjustSize();
  auto* hidden = new QLabel("A hidden label far too long for anything", &window);
  hidden->setGeometry(10, 70, 20, 20);
  hidden->hide();

  const std::vector<std::string> listed = CutCaptions(window);
  ASSERT_EQ(listed.size(), 2u) << Joined(listed);
  EXPECT_TRUE(listed[0].starts_with("Window/Cut: Save the spectra as a CSV file (needs ")) << listed[0];
  EXPECT_TRUE(listed[1].starts_with("Window/Beyond: A label")) << listed[1];
}

TEST(JapaneseCharacters, AreToldFromLatinTextsWhateverTheirWidth) {
  for (const char* japanese : {"観測点", "ひらがな", "ｽﾍﾟｸﾄﾙ", "ＧＩＦ", "地点　", "・", "「」"}) {
    EXPECT_TRUE(HasJapanese(japanese)) << japanese;
  }
  for (const char* latin : {"Station", "0.05 s ×5 ±1 °C", "Save CSV…", ""}) EXPECT_FALSE(HasJapanese(latin)) << latin;
}

// A change of language changes texts and pictures only: what the windows hold stays, and back in
// Japanese every caption and the overlay read as before.
TEST_F(LanguageWalk, SwitchingToEnglishAndBackKeepsTheRecordTheSpectraAndTheOverlay) {
  Walk();
  TSuper& super = application.Super();
  ASSERT_GT(spect.OverlayCount, 0);
  const RecordSet record = form.Record;
  const auto spectra = std::make_unique<SpectrumSet>(spect.Spectra);
  const int overlay_count = spect.OverlayCount;
  const QImage overlay = super.MyGraph1->Picture().copy();
  const std::vector<std::string> japanese_windows = WindowLines();

  ASSERT_TRUE(ApplyLanguage(*qApp, Language::English));
  QCoreApplication::processEvents();
  ApplyLanguage(*qApp, Language::Japanese);
  QCoreApplication::processEvents();

  for (int c = 0; c < record.ChannelCount; ++c) {
    EXPECT_EQ(form.Record.Acceleration[c], record.Acceleration[c]) << c;
    EXPECT_EQ(form.Record.Velocity[c], record.Velocity[c]) << c;
    EXPECT_EQ(form.Record.Displacement[c], record.Displacement[c]) << c;
  }
  EXPECT_EQ(DifferingChannels(*spectra, record.ChannelCount), 0);
  EXPECT_EQ(spect.OverlayCount, overlay_count);
  EXPECT_TRUE(super.MyGraph1->Picture() == overlay) << "the overlay's curves or captions changed";
  EXPECT_EQ(Differences(japanese_windows, WindowLines()), "");

  EXPECT_EQ(DifferencesFromJapanese(Walk()), "");
}

}  // namespace
}  // namespace tremora::testing
