// Issue 12: the synthesis window, through its buttons.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "app/TSynthe.h"
#include "app/cli/CliCommands.h"
#include "base/SafeFileWrite.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class Synthe : public ApplicationFixture {
 protected:
  void SetUp() override {
    // A folder with a period in its name, as user folders often have on Linux.
    std::filesystem::create_directories(folder);
    for (const char* ext : {"NS", "EW", "UD"}) {
      std::filesystem::copy_file(SamplePath(std::string("AOM0011801241951.") + ext),
                                 folder + "/AOM0011801241951." + ext);
    }
    PickThroughFileButton(folder + "/AOM0011801241951.NS");
    ASSERT_TRUE(platform.messages.empty());
    form.Button3->click();
  }
  // Chooses path in the output file dialog.
  void Choose(const std::string& path) {
    platform.save_paths.push_back(path);
    synthe.Button3->click();
  }
  ScratchFolder scratch;
  const std::string folder = scratch / "data.2024";
  TSynthe& synthe = application.Synthe();
};

TEST_F(Synthe, WritesWhatTheCommandLineWritesThroughItsButtons) {
  ASSERT_TRUE(synthe.isVisible());
  EXPECT_EQ(synthe.Label8->Caption(), "出力ファイルボタンを押してファイル名を設定してください");
  EXPECT_EQ(synthe.SaveDialog1.default_name, "AOM0011801241951.045");
  synthe.Edit1->SetText("90");
  EXPECT_EQ(synthe.SaveDialog1.default_extension, "090");

  Choose(folder + "/east");  // no extension: the azimuth's is added
  EXPECT_EQ(platform.save_dialogs.back().default_name, "AOM0011801241951.090");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(synthe.Label6->Caption(), folder + "/east.090");
  EXPECT_TRUE(synthe.Button1->isEnabled());
  EXPECT_FALSE(synthe.Button3->isEnabled());
  EXPECT_EQ(synthe.Label8->Caption(), "実行ボタンを押してください");

  synthe.Button1->click();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(synthe.Label8->Caption(), "ファイルに出力しました");
  EXPECT_FALSE(synthe.Button1->isEnabled());
  EXPECT_TRUE(synthe.Button3->isEnabled());
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"synth", "--azimuth", "90", "-o", scratch / "cli.090", folder + "/AOM0011801241951.NS"}, out, err,
                   CliEnvironment{TREMORA_DATA_DIR}),
            0)
      << err.str();
  EXPECT_EQ(ReadText(folder + "/east.090"), ReadText(scratch / "cli.090"));
}

TEST_F(Synthe, RefusesBadNamesAndReportsAFailedWriteKeepingTheOldFile) {
  const struct {
    std::string path;
    MessageAnswer answer;
    const char* caption;
  } refused[] = {
      {folder + "/a.b.045", MessageAnswer::Ok, "ファイル拡張子エラー"},
      {folder + "/a.45", MessageAnswer::Cancel, "ファイル拡張子"},
      {folder + "/" + std::string(200, 'x') + ".045", MessageAnswer::Ok, "ファイル名エラー"},
      {folder + "/AOM0011801241951.UD", MessageAnswer::Ok, "保存先エラー"},  // confirmed, then refused
  };
  for (const auto& r : refused) {
    platform.messages.clear();
    platform.answers = {r.answer};
    Choose(r.path);
    ASSERT_FALSE(platform.messages.empty()) << r.path;
    EXPECT_EQ(platform.messages.back().caption, r.caption) << r.path;
    EXPECT_EQ(synthe.Label6->Caption(), r.path);
    EXPECT_FALSE(synthe.Button1->isEnabled()) << r.path;
  }

  const std::string old = scratch.Write("old.045", "old content");
  platform.messages.clear();
  Choose(old);
  ASSERT_TRUE(synthe.Button1->isEnabled());
  InjectWriteFault(1000, ENOSPC);
  synthe.Button1->click();
  ClearWriteFault();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "ファイル書込みエラー");
  EXPECT_NE(platform.messages[0].text.find(old), std::string::npos);
  EXPECT_NE(platform.messages[0].text.find(std::strerror(ENOSPC)), std::string::npos);
  EXPECT_EQ(ReadText(old), "old content");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 2);  // no temporary left
  EXPECT_EQ(synthe.Label8->Caption(), "実行ボタンを押してください");
  EXPECT_TRUE(synthe.Button3->isEnabled());  // another file may be chosen
  Choose(folder + "/a.b.045");
  EXPECT_FALSE(synthe.Button1->isEnabled());  // the refused name is never written
}

}  // namespace
}  // namespace tremora
