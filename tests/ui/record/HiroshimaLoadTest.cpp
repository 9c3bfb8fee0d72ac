#include <QAction>
#include <QApplication>
#include <QPushButton>

#include "app/Language.h"
#include "spectrum/TSpect.h"
#include "ui/PixelCount.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

// A component file of the Hiroshima City network: five header lines, then values in gal.
std::string HiroshimaFile(const std::string& code, int announced, const std::string& interval_ms, float offset) {
  std::string text = "code," + code + "\ndate,2018/01/24\ntime,19:51:43\ncount," + std::to_string(announced) +
                     "\ninterval," + interval_ms + "\n";
  for (int line = 0; line < 3; ++line) {
    for (int k = 0; k < 10; ++k) text += std::to_string(offset + line * 10 + k) + ",";
    text += "\n";
  }
  return text;
}

class HiroshimaLoad : public ApplicationFixture {
 protected:
  HiroshimaLoad() { form.Hiroshima->trigger(); }

  void WriteRecord(const std::string& code, int announced, const std::string& interval, bool with_ud = true) {
    WriteText(scratch / "eq1.ns", HiroshimaFile(code, announced, interval, 0));
    WriteText(scratch / "eq1.ew", HiroshimaFile(code, announced, interval, 100));
    if (with_ud) WriteText(scratch / "eq1.ud", HiroshimaFile(code, announced, interval, 200));
  }

  ScratchFolder scratch;
};

TEST_F(HiroshimaLoad, ThreeComponentsLoadWithHeaderLabelsAndNoEpicentre) {
  WriteRecord("HRS01", 30, "10");
  PickThroughFileButton(scratch / "eq1.ew");

  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  const RecordSet& record = form.Record;
  EXPECT_TRUE(record.RecordLoaded);
  EXPECT_EQ(record.ChannelCount, 3);
  EXPECT_EQ(record.ComponentPaths[0], scratch / "eq1.ns");
  EXPECT_EQ(record.ComponentPaths[2], scratch / "eq1.ud");
  EXPECT_EQ(record.SampleCount, 30);
  EXPECT_EQ(record.Header.SamplingRate, 100);
  EXPECT_FLOAT_EQ(record.SamplingInterval, 0.01f);
  EXPECT_EQ(record.RecordBaseName, "eq1");
  EXPECT_FLOAT_EQ(record.Acceleration[0][29], 29.0f);
  EXPECT_FLOAT_EQ(record.Acceleration[1][0], 100.0f);
  EXPECT_FLOAT_EQ(record.Acceleration[2][12], 212.0f);
  // The channel names are those of the previous K-NET load (or the start-up ones).
  EXPECT_EQ(record.ComponentNames[1], "EW");

  EXPECT_EQ(form.Label13->Caption(), "HRS01");
  EXPECT_EQ(form.Label23->Caption(), "中消防署");
  EXPECT_EQ(form.Label24->Caption(), "広島市中区");
  EXPECT_EQ(form.Label28->Caption(), "2018/01/24 19:51:43");
  EXPECT_EQ(form.Label30->Caption(), "100");
  EXPECT_EQ(form.Label12->Caption(), "30");
  EXPECT_EQ(form.Label14->Caption(), scratch / "eq1");
  for (const TextLabel* label : {form.Label6, form.Label7, form.Label8, form.Label9, form.Label10}) {
    EXPECT_EQ(label->Caption(), "データなし");
  }
  EXPECT_TRUE(form.Button3->isEnabled());

  // The missing header values are named again in a new language.
  ApplyLanguage(*qApp, Language::English);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Label6->Caption(), "No data");
  RemoveLanguage();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Label10->Caption(), "データなし");
}

// Issue 9: the date ran into the time, and in the one-component view the quantity name covered
// the station code and the time the sample range.
TEST_F(HiroshimaLoad, TitleTextsReadWholeInBothViews) {
  WriteRecord("HRS01", 30, "10");
  PickThroughFileButton(scratch / "eq1.ns");
  struct Placed {
    int x;
    const char* text;
  };
  const Canvas& canvas = form.MyWave1->GetCanvas();
  for (const Placed& placed : {Placed{100, "HRS01"}, {140, "中消防署"}, {290, "2018/01/24"}, {350, "19:51:43"}}) {
    EXPECT_TRUE(test::DrawnWhole(form.MyWave1->Picture(), canvas, placed.x, 3, placed.text)) << "three components";
  }
  form.CBWave->SetChecked(false);
  for (const Placed& placed :
       {Placed{91, "HRS01"}, {128, "中消防署"}, {300, "2018/01/24"}, {377, "19:51:43"}, {420, "ﾃﾞｰﾀ 0 - 29"}}) {
    EXPECT_TRUE(test::DrawnWhole(form.MyWave1->Picture(), canvas, placed.x, 3, placed.text)) << "one component";
  }
}

TEST_F(HiroshimaLoad, SampleCountIsKeptWithinTheSamplesRead) {
  WriteRecord("HRS02", 5000, "5");
  PickThroughFileButton(scratch / "eq1.ns");
  EXPECT_EQ(form.Record.SampleCount, 30);
  EXPECT_EQ(form.Label12->Caption(), "30");
  EXPECT_EQ(form.Label30->Caption(), "200");
}

TEST_F(HiroshimaLoad, MissingPartnerStopsBeforeReadingAndKeepsTheNames) {
  WriteRecord("HRS01", 30, "10", /*with_ud=*/false);
  PickThroughFileButton(scratch / "eq1.ns");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "対になる３成分データファイルが揃っていません\n\nデータファイル " + (scratch / "eq1.ud") + " がありません   ");
  EXPECT_EQ(platform.messages[0].caption, "ファイルエラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Record.ChannelCount, 0);
  EXPECT_EQ(form.Record.RecordBaseName, "");
  EXPECT_EQ(form.Label14->Caption(), "広島市消防局データファイル");
}

TEST_F(HiroshimaLoad, AfterAKikNetRecordNamesAndStationTextsAreTheHiroshimaOnes) {
  form.KNET->trigger();
  PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
  ASSERT_EQ(form.Label25->Caption(), "N36.1184 E137.9389 H720m D218m");
  form.BtnSpect->click();
  form.Hiroshima->trigger();
  WriteRecord("HRS01", 30, "10");
  PickThroughFileButton(scratch / "eq1.ns");

  EXPECT_EQ(form.Label24->Caption(), "広島市中区");
  EXPECT_EQ(form.Label25->Caption(), "");
  form.BtnSpect->click();
  TSpect& spect = application.Spect();
  EXPECT_EQ(spect.Label3->Caption(), "広島市中区");
  EXPECT_EQ(spect.Label4->Caption(), "");
  platform.save_paths.push_back(scratch / "spectra.csv");
  spect.BtnCSV->click();
  const std::string csv = ReadText(scratch / "spectra.csv");
  EXPECT_NE(csv.find("\r\nEW\r\nSA\r\n"), std::string::npos);
  EXPECT_EQ(csv.find("EW2"), std::string::npos);
}

TEST_F(HiroshimaLoad, APeakIsMarkedOnTheTraceWhateverTheInterval) {
  // 600 ms between samples: the whole-hertz rate reads 1 Hz. One spike at sample 20, 12 s in.
  std::string values;
  for (int i = 0; i < 30; ++i) values += (i == 20 ? "500," : "0,");
  for (const char* name : {"eq1.ns", "eq1.ew", "eq1.ud"}) {
    WriteText(scratch / name, "code,HRS01\ndate,2018/01/24\ntime,19:51:43\ncount,30\ninterval,600\n" + values + "\n");
  }
  PickThroughFileButton(scratch / "eq1.ns");
  ASSERT_TRUE(form.Record.RecordLoaded);

  // The red ring of the first strip holds the apex of the trace.
  const QImage& picture = form.MyWave1->Picture();
  int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
  for (int x = 0; x < picture.width(); ++x) {
    for (int y = 0; y < picture.height() / 3; ++y) {
      if (test::ColourAt(picture, x, y) != kRed) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, left) << "no peak marked";
  EXPECT_LE(right - left, 8);
  EXPECT_GT(test::CountColour(picture, kBlack, left, top, right + 1, bottom + 1), 0);
}

TEST_F(HiroshimaLoad, StationNamedCopiesGoBesideTheRecordsOwnFiles) {
  form.KNET->trigger();
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));  // another folder before
  form.Hiroshima->trigger();
  WriteRecord("HRS01", 30, "10");
  PickThroughFileButton(scratch / "eq1.ns");
  form.N8->trigger();

  const std::string stem = scratch / "中消防署";
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text, stem + ".NS\n" + stem + ".EW\n" + stem + ".UD\n" +
                                               "\n観測地点名で表したデータファイルを作成しました　　　　");
  EXPECT_EQ(ReadText(stem + ".UD"), ReadText(scratch / "eq1.ud"));
}

TEST_F(HiroshimaLoad, UnknownStationIsReportedAndTheLoadGoesOn) {
  WriteRecord("HRS99", 30, "10");
  PickThroughFileButton(scratch / "eq1.ns");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n");
  EXPECT_EQ(platform.messages[0].caption, "観測点コードエラー");
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Label13->Caption(), "HRS99");
  EXPECT_EQ(form.Label23->Caption(), "");
  EXPECT_EQ(form.Label24->Caption(), "");
}

TEST_F(HiroshimaLoad, ZeroIntervalIsRefusedWithItsReason) {
  WriteRecord("HRS01", 30, "0");
  PickThroughFileButton(scratch / "eq1.ns");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "ファイルエラー");
  EXPECT_NE(platform.messages[0].text.find("サンプリング間隔"), std::string::npos);
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Label14->Caption(), "広島市消防局データファイル");
}

TEST_F(HiroshimaLoad, MissingSingleComponentFileIsReported) {
  form.CB3Compo->click();
  PickThroughFileButton(scratch / "nothing.ns");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "ファイルエラー");
  EXPECT_NE(platform.messages[0].text.find(scratch / "nothing.ns"), std::string::npos);
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_EQ(platform.terminate_requests, 0);
}

}  // namespace
}  // namespace tremora::testing
