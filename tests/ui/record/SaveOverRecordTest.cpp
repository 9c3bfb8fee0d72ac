// Issue 10: no save dialog of the windows writes over the files of the record on screen.

#include <filesystem>

#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class SaveOverRecord : public ApplicationFixture {
 protected:
  void SetUp() override {
    // Copies, so that a fault could never touch the project's samples.
    for (const char* ext : {"NS", "EW", "UD"}) {
      const std::string name = std::string("AOM0011801241951.") + ext;
      std::filesystem::copy_file(SamplePath(name), scratch / name);
    }
    PickThroughFileButton(scratch / "AOM0011801241951.NS");
    ASSERT_TRUE(platform.messages.empty());
  }
  ScratchFolder scratch;
};

TEST_F(SaveOverRecord, EveryExportRefusesTheRecordsOwnFilesWithAMessageNamingThem) {
  std::filesystem::create_hard_link(scratch / "AOM0011801241951.UD", scratch / "alias.csv");
  const std::string before = ReadText(scratch / "AOM0011801241951.UD");
  form.BtnSpect->click();
  TSpect& spect = application.Spect();
  const struct {
    QPushButton* button;
    std::string chosen;
  } exports[] = {{form.BtnCsv, scratch / "AOM0011801241951.UD"}, {form.BtnGif, scratch / "alias.csv"},
                 {spect.BtnCSV, scratch / "AOM0011801241951.UD"}, {spect.BtnGIF, scratch / "alias.csv"}};
  for (const auto& e : exports) {
    platform.messages.clear();
    platform.save_paths.push_back(e.chosen);
    e.button->click();
    ASSERT_EQ(platform.messages.size(), 1u) << e.chosen;
    EXPECT_EQ(platform.messages[0].caption, "保存先エラー");
    EXPECT_EQ(platform.messages[0].text.rfind(e.chosen + " は表示中のデータファイル " + (scratch / "AOM0011801241951.UD") +
                                                 " そのものです",
                                             0),
              0u)
        << platform.messages[0].text;
    EXPECT_EQ(ReadText(scratch / "AOM0011801241951.UD"), before);
  }
}

}  // namespace
}  // namespace tremora
