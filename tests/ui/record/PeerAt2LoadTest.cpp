#include <QAction>
#include <QRadioButton>

#include "base/TextFile.h"
#include "platform/Controls.h"
#include "record/PeerAt2Loading.h"
#include "spectrum/TSpect.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

// The north file of TCU046 with its second line naming another component.
std::string CopyAs(const ScratchFolder& folder, const std::string& name, const std::string& component) {
  std::string text = ReadWholeFile(SamplePath("at2/TCU046-N.AT2"));
  text.replace(text.find(", N (CWB)"), 9, ", " + component + " (CWB)");
  return folder.Write(name, text);
}

class PeerAt2Load : public ApplicationFixture {
 protected:
  ScratchFolder scratch;
};

TEST_F(PeerAt2Load, TwoFilesChosenTogetherLoadAsOneRecordWhateverTheMenuSays) {
  const std::string east = CopyAs(scratch, "TCU046-E.AT2", "E");
  form.Hiroshima->trigger();
  platform.open_selections.push_back(std::vector<std::string>{east, SamplePath("at2/TCU046-N.AT2")});
  form.BtnFile->click();

  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  const RecordSet& record = form.Record;
  EXPECT_TRUE(record.RecordLoaded);
  EXPECT_EQ(record.ChannelCount, 2);
  EXPECT_EQ(record.ComponentPaths[0], SamplePath("at2/TCU046-N.AT2"));
  EXPECT_EQ(record.ComponentPaths[1], east);
  EXPECT_EQ(ChannelTitle(record, 1), "EW (E)");
  EXPECT_EQ(record.SampleCount, 17000);
  EXPECT_EQ(form.Label12->Caption(), "17000");
  EXPECT_EQ(form.Label30->Caption(), "200 1/s");
  EXPECT_EQ(form.Label13->Caption(), "TCU046");
  EXPECT_EQ(form.Label6->Caption(), "");
  EXPECT_EQ(form.Label10->Caption(), "");
  // Two channels: the spectrum window offers NS and EW, not the third.
  TSpect& spect = application.Spect();
  EXPECT_TRUE(spect.RGCompo->Button(1).isEnabled());
  EXPECT_FALSE(spect.RGCompo->Button(2).isEnabled());
}

TEST_F(PeerAt2Load, OneFileLoadsAloneAndFilesThatDoNotBelongTogetherKeepTheRecord) {
  PickThroughFileButton(SamplePath("at2/A-LAD180.AT2"));
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_EQ(form.Record.ChannelCount, 1);
  EXPECT_EQ(form.Record.SampleCount, 7996);
  EXPECT_EQ(form.Record.Format, RecordFormat::PeerAt2);
  EXPECT_EQ(form.Label23->Caption(), "BISHOP - LADWP SOUTH");

  platform.open_selections.push_back(
      std::vector<std::string>{SamplePath("at2/A-LAD180.AT2"), SamplePath("at2/TCU046-N.AT2")});
  form.BtnFile->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("のデータ数または時間間隔が異なります"), std::string::npos) << platform.messages[0].text;

  platform.open_selections.push_back(
      std::vector<std::string>{SamplePath("at2/A-LAD180.AT2"), SamplePath("AOM0011801241951.NS")});
  form.BtnFile->click();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text.rfind(SamplePath("AOM0011801241951.NS") + " は PEER (.AT2) のファイルではありません", 0),
            0u);
  EXPECT_EQ(form.Record.SampleCount, 7996);
  EXPECT_EQ(form.Record.ComponentPaths[0], SamplePath("at2/A-LAD180.AT2"));
}

}  // namespace
}  // namespace tremora::testing
