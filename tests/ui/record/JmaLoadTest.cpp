#include <QAction>
#include <QPushButton>

#include "app/TSynthe.h"
#include "record/StationNamedCopies.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

namespace fs = std::filesystem;

const std::string kJmaName = "jma/Q416EED018.csv";

class JmaLoad : public ApplicationFixture {};

// The file is told by its content whichever format the menu names; its station is its own, and
// the earthquake it does not name is shown empty.
TEST_F(JmaLoad, TheFileButtonLoadsItWhateverTheFormatMenuSays) {
  for (QAction* format : {form.KNET, form.Hiroshima}) {
    SCOPED_TRACE(format->objectName().toStdString());
    format->trigger();
    form.Record = RecordSet();
    PickThroughFileButton(SamplePath(kJmaName));

    EXPECT_EQ(MessageTexts(), std::vector<std::string>());
    const RecordSet& record = form.Record;
    EXPECT_TRUE(record.RecordLoaded);
    EXPECT_EQ(record.Format, RecordFormat::JmaCsv);
    EXPECT_EQ(record.ChannelCount, 3);
    EXPECT_EQ(form.Label12->Caption(), "24000");
    EXPECT_EQ(form.Label13->Caption(), "EED");
    EXPECT_EQ(form.Label23->Caption(), "南阿蘇村中松");
    EXPECT_EQ(form.Label24->Caption(), "");
    EXPECT_EQ(form.Label28->Caption(), "240.00 s");
    EXPECT_EQ(form.Label30->Caption(), "100 1/s");
    for (TextLabel* origin : {form.Label6, form.Label7, form.Label8, form.Label9, form.Label10}) {
      EXPECT_EQ(origin->Caption(), "") << origin->objectName().toStdString();
    }
  }
}

TEST_F(JmaLoad, SynthesisAndNamedCopiesSayTheyNeedAKnetRecordAndWriteNothing) {
  const ScratchFolder scratch;
  fs::copy_file(SamplePath(kJmaName), scratch / "Q416EED018.csv");
  ASSERT_TRUE(form.OpenRecordFile(scratch / "Q416EED018.csv"));
  ASSERT_EQ(form.Record.Format, RecordFormat::JmaCsv);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;

  form.Button3->click();
  form.N8->trigger();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, std::string(kNeedsKnetRecordMessage));
  EXPECT_EQ(platform.messages[0].caption, "水平成分波形の合成");
  EXPECT_EQ(platform.messages[1].text, std::string(kNeedsKnetRecordMessage));
  EXPECT_EQ(platform.messages[1].caption, std::string(kNamedCopyCaption));
  EXPECT_FALSE(application.Synthe().isVisible());
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), {}), 1);

  // A K-NET record loaded afterwards synthesises again.
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.Button3->click();
  EXPECT_TRUE(application.Synthe().isVisible());
  EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace tremora::testing
