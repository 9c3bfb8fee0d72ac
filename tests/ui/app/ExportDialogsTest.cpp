// Every save dialog of the program: a name typed without extension that completes to an existing
// file is asked about, under the completed name, before anything replaces it; a name the dialog
// returned complete (the toolkit asked) is not asked about a second time.

#include <QAction>
#include <functional>

#include "analysis/TFourier.h"
#include "analysis/TMetrics.h"
#include "app/TSynthe.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

class ExportDialogs : public SpectrumWindowFixture {
 protected:
  // The stepping window of the enlarged view, answered with presses.
  void Step(std::vector<std::string> presses) {
    platform.modal_presses.assign(presses.begin(), presses.end());
    spect.CBLarge->SetChecked(true);
    EXPECT_TRUE(platform.missing_buttons.empty());
  }

  void Synthesise() {
    form.Button3->click();
    application.Synthe().Button3->click();
    application.Synthe().Button1->click();
  }

  std::vector<std::string> OverwriteQuestions() const {
    std::vector<std::string> texts;
    for (const auto& message : platform.messages) {
      if (message.caption == "上書きの確認") texts.push_back(message.text);
    }
    return texts;
  }

  ScratchFolder folder;
};

TEST_F(ExportDialogs, ATypedNameIsAskedAboutAsTheFileItBecomes) {
  LoadAndOpen();
  form.Fourier1->trigger();
  form.findChild<QAction*>("Indices1")->trigger();
  const struct {
    const char* name;
    std::string extension;
    std::function<void()> save;
  } dialogs[] = {
      {"waveform CSV", "csv", [&] { form.BtnCsv->click(); }},
      {"waveform GIF", "gif", [&] { form.BtnGif->click(); }},
      {"spectrum CSV", "csv", [&] { spect.BtnCSV->click(); }},
      {"spectrum GIF", "gif", [&] { spect.BtnGIF->click(); }},
      {"enlarged view GIF", "gif", [&] { Step({"Button4", "Button3"}); }},
      {"overlay GIF", "gif", [&] { Step({"Button5", "Button7", "Button3"}); }},
      {"indices CSV", "csv", [&] { application.Metrics().BtnCSV->click(); }},
      {"Fourier CSV", "csv", [&] { form.Fourier->BtnCSV->click(); }},
      {"Fourier GIF", "gif", [&] { form.Fourier->BtnGIF->click(); }},
      {"synthesised K-NET file", "045", [&] { Synthesise(); }},
  };
  for (const auto& dialog : dialogs) {
    SCOPED_TRACE(dialog.name);
    const std::string existing = folder / ("x." + dialog.extension);
    WriteText(existing, "kept\r\n");
    platform.messages.clear();
    platform.save_dialogs.clear();
    platform.save_paths = {folder / "x"};
    platform.answers = {MessageAnswer::No};
    dialog.save();
    EXPECT_EQ(OverwriteQuestions(), std::vector<std::string>{existing + " は既に存在します\n\n上書きしますか？"});
    EXPECT_EQ(ReadText(existing), "kept\r\n");
    // The toolkit completes the name with the default extension and asks itself.
    ASSERT_EQ(platform.save_dialogs.size(), 1u);
    EXPECT_EQ(platform.save_dialogs[0].default_extension, dialog.extension);
    EXPECT_TRUE(platform.save_dialogs[0].overwrite_prompt);

    platform.messages.clear();
    platform.answers.clear();
    platform.save_paths = {existing};
    dialog.save();
    EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
    EXPECT_NE(ReadText(existing), "kept\r\n");
  }
}

}  // namespace
}  // namespace tremora::testing
