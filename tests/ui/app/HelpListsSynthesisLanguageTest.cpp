// The help, version, station list and synthesis windows in English and back in Japanese.

#include <QCoreApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "app/Language.h"
#include "app/StationGrid.h"
#include "app/TAboutBox.h"
#include "app/THRSMList.h"
#include "app/THowTo.h"
#include "app/TSiteList.h"
#include "app/TSynthe.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

// Every caption the windows show that a change of language may touch.
std::vector<QString> Captions(const TSiteList& site, const THRSMList& hrsm, const THowTo& help,
                              const TAboutBox& about, const TSynthe& synthe) {
  std::vector<QString> captions = {site.windowTitle(),         site.Label3->text(),     site.Button2->text(),
                                   site.Button2->toolTip(),     hrsm.windowTitle(),      hrsm.Label1->text(),
                                   help.windowTitle(),          help.Memo1->toPlainText(), help.Image1->toolTip(),
                                   about.windowTitle(),         about.ReleaseDate->text(), about.Label4->text(),
                                   synthe.windowTitle(),        synthe.Label2->text(),   synthe.Label8->text(),
                                   synthe.Button3->text()};
  for (int column = 0; column < hrsm.StringGrid1->columnCount(); ++column) {
    captions.push_back(hrsm.StringGrid1->horizontalHeaderItem(column)->text());
  }
  return captions;
}

bool HasJapanese(const QString& text) {
  static const QRegularExpression japanese("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]");
  return text.contains(japanese);
}

class HelpListsSynthesisLanguage : public ApplicationFixture {
 protected:
  void TearDown() override { RemoveLanguage(); }

  static void Switch(Language language) {
    if (language == Language::English) {
      ASSERT_TRUE(ApplyLanguage(*qApp, language));
    } else {
      RemoveLanguage();
    }
    QCoreApplication::processEvents();
  }
  // Writes the synthesis at the window's azimuth to path and returns the file's bytes.
  std::string Synthesise(const std::string& path) {
    platform.save_paths.push_back(path);
    synthe.Button3->click();
    synthe.Button1->click();
    return ReadText(path);
  }

  ScratchFolder scratch;
  TSiteList& site = application.SiteList();
  THRSMList& hrsm = application.HRSMList();
  THowTo& help = application.HowTo();
  TAboutBox& about = application.AboutBox();
  TSynthe& synthe = application.Synthe();
};

TEST_F(HelpListsSynthesisLanguage, OpenWindowsFollowTheLanguageKeepingTheirStateAndTheFileWritten) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.Button2->click();
  site.Edit1->SetText("aom");
  site.Button2->click();
  const int found = site.StringGrid1->currentRow();
  form.Tutorial1->trigger();
  form.About1->trigger();
  form.Button3->click();
  synthe.Edit1->SetText("90");
  const std::string japanese_file = Synthesise(scratch / "ja.090");
  ASSERT_TRUE(platform.messages.empty());
  const auto japanese = Captions(site, hrsm, help, about, synthe);

  Switch(Language::English);
  const auto english = Captions(site, hrsm, help, about, synthe);
  for (std::size_t i = 0; i < english.size(); ++i) {
    EXPECT_FALSE(HasJapanese(english[i])) << i << ": " << english[i].toStdString();
  }
  EXPECT_EQ(site.Label3->text(), "1047 stations");
  EXPECT_EQ(synthe.Label8->text(), "Written to the file");
  EXPECT_TRUE(help.Memo1->toPlainText().startsWith("K-NET/KiK-net"));
  // What the user entered, found and chose stays.
  EXPECT_EQ(site.StringGrid1->currentRow(), found);
  EXPECT_EQ(site.Edit1->Text(), "aom");
  EXPECT_EQ(synthe.Edit1->Text(), "90");
  EXPECT_EQ(synthe.Label6->Caption(), scratch / "ja.090");
  // Messages are in English; the file written is the same bytes.
  site.Edit1->SetText("zzz9999");
  site.Button2->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_FALSE(HasJapanese(QString::fromStdString(platform.messages[0].text + platform.messages[0].caption)));
  EXPECT_EQ(Synthesise(scratch / "en.090"), japanese_file);

  Switch(Language::Japanese);
  EXPECT_EQ(Captions(site, hrsm, help, about, synthe), japanese);
}

}  // namespace
}  // namespace tremora::testing
