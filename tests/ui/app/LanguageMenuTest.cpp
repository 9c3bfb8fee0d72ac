// The 言語 / Language menu: a switch in a running program rewrites the main window's captions,
// menus and picture in the other language and keeps the record and what it shows; the choice is
// the next run's language unless --lang names another.

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <algorithm>
#include <string>
#include <vector>

#include "app/Language.h"
#include "app/Remembering.h"
#include "base/CNumbers.h"
#include "platform/Canvas.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class LanguageMenu : public ApplicationFixture {
 protected:
  ~LanguageMenu() override {
    Canvas::WatchTexts(nullptr);
    RemoveLanguage();
  }

  // Chooses item as the user does; Qt delivers the change to the windows from the event loop.
  // Returns the texts drawn into pictures meanwhile.
  std::vector<std::string> Choose(QAction* item) {
    std::vector<std::string> drawn;
    Canvas::WatchTexts([&drawn](const std::string& text) { drawn.push_back(text); });
    item->trigger();
    QCoreApplication::processEvents();
    Canvas::WatchTexts(nullptr);
    return drawn;
  }

  static bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  std::vector<std::vector<float>> StripSamples() const {
    std::vector<std::vector<float>> samples;
    for (const WaveStripShown& strip : form.MyWave1->Strips()) samples.push_back(strip.samples);
    return samples;
  }
};

TEST_F(LanguageMenu, SwitchesTheWindowBackAndForthAndKeepsTheRecordAndItsStrips) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  ASSERT_TRUE(form.Record.RecordLoaded);
  // The load's redraw draws twice (the start control redraws within it); this one once, as the
  // switch does.
  form.BtnWave->click();
  const QImage japanese_picture = form.MyWave1->Picture().copy();
  const std::vector<std::vector<float>> samples = StripSamples();
  const std::string file_label = form.Label14->Caption();
  const int start = form.StartIndex;
  EXPECT_TRUE(form.Japanese1->isChecked());
  EXPECT_EQ(form.Language1->title().toStdString(), "言語 / Language");

  const std::vector<std::string> english = Choose(form.English1);
  EXPECT_TRUE(form.English1->isChecked());
  EXPECT_FALSE(form.Japanese1->isChecked());
  EXPECT_EQ(form.BtnFile->text(), "File");
  EXPECT_EQ(form.File1->title(), "&File");
  EXPECT_EQ(form.Label15->Caption(), "Site");
  EXPECT_EQ(form.GroupBox1->title(), "Display start");
  EXPECT_EQ(form.Language1->title().toStdString(), "言語 / Language");
  EXPECT_EQ(form.Japanese1->text().toStdString(), "日本語");
  EXPECT_TRUE(Contains(english, "Accel.")) << "the strip's quantity";
  EXPECT_TRUE(Contains(english, FormatC("Samples %d - %d", start, start + form.DisplayCount - 1)));
  ASSERT_EQ(form.MyWave1->Strips().size(), 3u);
  EXPECT_EQ(form.MyWave1->Strips()[0].label.name, "NS Accel.");
  // The status line is composed as the mouse moves, in the language of the moment.
  const PlotReading reading = DescribeWaveReading(form.MyWave1->Strips(), {0, 0, {}});
  ASSERT_GE(reading.lines.size(), 3u);
  EXPECT_TRUE(reading.lines[1].text.starts_with("From record start ")) << reading.lines[1].text;
  // The record and the section as they were: the file label keeps its name, the strips their samples.
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Label14->Caption(), file_label);
  EXPECT_EQ(form.StartIndex, start);
  EXPECT_EQ(StripSamples(), samples);
  EXPECT_TRUE(platform.messages.empty());

  const std::vector<std::string> japanese = Choose(form.Japanese1);
  EXPECT_TRUE(form.Japanese1->isChecked());
  EXPECT_EQ(form.BtnFile->text().toStdString(), "ファイル");
  EXPECT_EQ(form.File1->title().toStdString(), "ファイル(&F)");
  EXPECT_TRUE(Contains(japanese, "加速度"));
  EXPECT_EQ(StripSamples(), samples);
  EXPECT_EQ(form.MyWave1->Picture(), japanese_picture) << "the same picture as before the switch";
}

TEST_F(LanguageMenu, BeforeALoadTheGuidanceAndTheFormatNameFollow) {
  const std::vector<std::string> english = Choose(form.English1);
  EXPECT_TRUE(Contains(english, "Click the File button and choose a file"));
  EXPECT_EQ(form.Label14->Caption(), "K-NET/KiK-net data file");
  form.Hiroshima->trigger();
  Choose(form.Japanese1);
  EXPECT_EQ(form.Label14->Caption(), "広島市消防局データファイル");
  EXPECT_EQ(form.OpenDialog1.filter.substr(0, form.OpenDialog1.filter.find('|')), "地震ﾌｧｲﾙ(.*.ns*)");
}

TEST(LanguageRemembered, TheLastRunsLanguageStartsTheNextUnlessLangNamesOne) {
  ScriptedPlatform platform;
  EXPECT_EQ(StartupLanguage(""), Language::Japanese) << "nothing stored";
  {
    Application run(TREMORA_DATA_DIR);
    run.Form1().English1->trigger();
  }
  EXPECT_EQ(platform.settings.values["language"], "en");
  EXPECT_EQ(StartupLanguage(""), Language::English);

  // --lang ja wins for the run, which then ends in Japanese and leaves that for the next.
  ApplyLanguage(*qApp, StartupLanguage("ja"));
  {
    Application run(TREMORA_DATA_DIR);
    EXPECT_TRUE(run.Form1().Japanese1->isChecked());
    EXPECT_FALSE(run.Form1().English1->isChecked());
  }
  EXPECT_EQ(platform.settings.values["language"], "ja");
  EXPECT_EQ(StartupLanguage("en"), Language::English);

  platform.settings.values["language"] = "fr";
  EXPECT_EQ(StartupLanguage(""), Language::Japanese);
  platform.settings.readable = false;
  EXPECT_EQ(StartupLanguage(""), Language::Japanese);
  RemoveLanguage();
}

}  // namespace
}  // namespace tremora::testing
