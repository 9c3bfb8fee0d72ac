#include <QAction>

#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

namespace fs = std::filesystem;

class NamedCopies : public ApplicationFixture {
 protected:
  void LoadCopiedRecord() {
    for (const char* ext : {".NS", ".EW", ".UD"}) {
      fs::copy_file(SamplePath(std::string("AOM0011801241951") + ext), scratch / (std::string("AOM0011801241951") + ext));
    }
    PickThroughFileButton(scratch / "AOM0011801241951.NS");
    ASSERT_TRUE(form.Record.RecordLoaded);
  }
  ScratchFolder scratch;
};

TEST_F(NamedCopies, DoNothingBeforeALoad) {
  form.N8->trigger();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NamedCopies, WriteEveryComponentUnderTheStationsPlaceName) {
  LoadCopiedRecord();
  form.N8->trigger();

  ASSERT_EQ(platform.messages.size(), 1u);
  const std::string stem = scratch / "大間1801241951";
  EXPECT_EQ(platform.messages[0].text, stem + ".NS\n" + stem + ".EW\n" + stem + ".UD\n" +
                                           "\n観測地点名で表したデータファイルを作成しました　　　　");
  EXPECT_EQ(platform.messages[0].caption, "観測地点名ファイル");
  EXPECT_EQ(ReadText(stem + ".EW"), ReadText(SamplePath("AOM0011801241951.EW")));
  EXPECT_EQ(ReadText(stem + ".UD"), ReadText(SamplePath("AOM0011801241951.UD")));
}

TEST_F(NamedCopies, FailureIsReportedAndNeverAsSuccess) {
  LoadCopiedRecord();
  fs::remove(scratch / "AOM0011801241951.UD");
  form.N8->trigger();

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.find("作成しました"), std::string::npos);
  EXPECT_NE(platform.messages[0].text.find(scratch / "AOM0011801241951.UD"), std::string::npos);
}

}  // namespace
}  // namespace tremora::testing
