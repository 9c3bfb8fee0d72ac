#include <QAction>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "app/SecondaryWindows.h"
#include "record/KnetLoading.h"
#include "ui/app/ApplicationFixture.h"
#include "wave/TWait.h"

namespace tremora::testing {
namespace {

namespace fs = std::filesystem;

float PeakOf(const RecordSet& record, int channel) {
  float peak = 0;
  for (int i = 0; i < record.SampleCount; ++i) peak = std::max(peak, std::fabs(record.Acceleration[channel][i]));
  return peak;
}

// A copy of a sample file with header line `line` (1-based) replaced.
std::string WithHeaderLine(const std::string& text, int line, const std::string& replacement) {
  size_t begin = 0;
  for (int i = 1; i < line; ++i) begin = text.find('\n', begin) + 1;
  const size_t end = text.find('\n', begin);
  return text.substr(0, begin) + replacement + text.substr(end);
}

class KnetLoad : public ApplicationFixture {};

TEST_F(KnetLoad, ThreeComponentRecordFillsTheRecordSetAndTheLabels) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));

  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  const RecordSet& record = form.Record;
  EXPECT_TRUE(record.RecordLoaded);
  EXPECT_EQ(record.ChannelCount, 3);
  EXPECT_EQ(record.SampleCount, 10200);
  EXPECT_EQ(record.ComponentNames[0], "NS");
  EXPECT_EQ(record.ComponentNames[2], "UD");
  // The published partner files carry upper-case extensions.
  EXPECT_EQ(record.ComponentPaths[1], SamplePath("AOM0011801241951.EW"));
  EXPECT_EQ(record.ComponentPaths[2], SamplePath("AOM0011801241951.UD"));
  EXPECT_EQ(record.RecordBaseName, "AOM001-201801241951");
  EXPECT_FLOAT_EQ(record.SamplingInterval, 0.01f);
  // The header's peak is that of the record after mean removal: an independent check of the
  // scale factor and of every channel being read.
  EXPECT_NEAR(PeakOf(record, 0), 4.954, 0.0006);
  EXPECT_NEAR(PeakOf(record, 1), 4.078, 0.0006);
  EXPECT_NEAR(PeakOf(record, 2), 2.240, 0.0006);

  EXPECT_EQ(form.Label12->Caption(), "10200");
  EXPECT_EQ(form.Label14->Caption(), SamplePath("AOM0011801241951"));
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_EQ(form.Label23->Caption(), "大間");
  EXPECT_EQ(form.Label24->Caption(), "青森県大間");
  EXPECT_EQ(form.Label25->Caption(), "N41.5269 E140.9246 H38m");
  EXPECT_EQ(form.Label6->Caption(), "2018/01/24  19:51:00");
  EXPECT_EQ(form.Label7->Caption(), "  41.0");
  EXPECT_EQ(form.Label8->Caption(), " 142.5");
  EXPECT_EQ(form.Label9->Caption(), "  30 km");
  EXPECT_EQ(form.Label10->Caption(), "   6.2");
  EXPECT_EQ(form.Label28->Caption(), "102.00 s");
  EXPECT_EQ(form.Label30->Caption(), "100 1/s");

  EXPECT_EQ(form.TrackBar1->maximum(), 10200);
  for (QWidget* control : std::initializer_list<QWidget*>{form.BtnWave, form.BtnGif, form.BtnCsv, form.BtnCopy,
                                                          form.BtnSpect, form.CBWave, form.Button3}) {
    EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
  }
  EXPECT_FALSE(application.Wait().isVisible());
  // The redraw after the load showed the wait window last, with its own text.
  EXPECT_EQ(application.Wait().Label1->Caption(), "地震波形データを処理しています・・・・");
}

TEST_F(KnetLoad, OpenDialogOffersTheRecordFilters) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  ASSERT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(platform.open_dialogs[0].filter,
            "地震ﾌｧｲﾙ(.*.ns*)|*.ns*|地震ﾌｧｲﾙ(*.ew*)|*.ew*|地震ﾌｧｲﾙ(,*.ud*)|*.ud*|すべて(*.*)|*.*|"
            "NIED 配布ファイル (*.tar;*.tar.gz;*.tgz)|*.tar;*.tar.gz;*.tgz|"
            "気象庁 強震波形 (*.csv)|*.csv|PEER (*.at2)|*.at2");
  EXPECT_EQ(platform.open_dialogs[0].filter_index, 1);
}

TEST_F(KnetLoad, KikNetSurfaceFileLoadsItsThreeSurfaceComponents) {
  platform.open_paths.push_back(SamplePath("NGNH311106302345.EW2"));
  form.N10->trigger();

  const RecordSet& record = form.Record;
  EXPECT_EQ(record.ChannelCount, 3);
  EXPECT_EQ(record.SampleCount, 12000);
  EXPECT_EQ(record.ComponentNames[0], "NS2");
  EXPECT_EQ(record.ComponentNames[1], "EW2");
  EXPECT_EQ(record.ComponentNames[2], "UD2");
  EXPECT_EQ(record.ComponentPaths[0], SamplePath("NGNH311106302345.NS2"));
  EXPECT_NEAR(PeakOf(record, 0), 0.618, 0.0006);
  EXPECT_EQ(form.Label13->Caption(), "NGNH31");
  EXPECT_EQ(form.Label23->Caption(), "塩尻");
  EXPECT_EQ(form.Label24->Caption(), "長野県塩尻");
  EXPECT_EQ(form.Label12->Caption(), "12000");
  EXPECT_EQ(form.Label28->Caption(), "120.00 s");
  EXPECT_EQ(form.Label9->Caption(), "   5 km");
  EXPECT_EQ(form.Label14->Caption(), SamplePath("NGNH311106302345"));
}

TEST_F(KnetLoad, OneComponentIsNamedAfterItsExtensionAndUpdatesTheSpectrumChoices) {
  // Give the spectrum window its choices, as it will have them.
  TSpect& spect = application.Spect();
  const QStringList items = {"１ (NS)", "２ (EW)", "３ (UD)"};
  spect.RGSpect = new RadioGroup(&spect, "RGSpect", "", {"成分ごと", "応答ごと"}, 1, 0);
  spect.RGCompo = new RadioGroup(&spect, "RGCompo", "成分", items, 1, 1);
  spect.RGResp = new RadioGroup(&spect, "RGResp", "応答", {"加速度", "速　度", "変　位"}, 1, 1);

  form.CB3Compo->click();
  PickThroughFileButton(SamplePath("AOM0011801241951.EW"));

  EXPECT_EQ(form.Record.ChannelCount, 1);
  EXPECT_EQ(form.Record.ComponentNames[0], "EW");
  EXPECT_EQ(form.Label14->Caption(), SamplePath("AOM0011801241951.EW"));
  EXPECT_FALSE(form.Button3->isEnabled());
  EXPECT_EQ(spect.RGCompo->Items(), QStringList({"EW", " ", " "}));
  EXPECT_EQ(spect.RGCompo->ItemIndex(), 1);
  EXPECT_TRUE(spect.RGCompo->Button(0).isEnabled());
  EXPECT_FALSE(spect.RGCompo->Button(1).isEnabled());
  EXPECT_FALSE(spect.RGResp->isEnabled());

  form.CB3Compo->click();
  PickThroughFileButton(SamplePath("AOM0011801241951.UD"));
  EXPECT_EQ(spect.RGCompo->Items(), QStringList({"NS", "EW", "UD"}));
  EXPECT_TRUE(spect.RGCompo->Button(2).isEnabled());
  EXPECT_TRUE(form.Button3->isEnabled());
}

TEST_F(KnetLoad, CancelledDialogChangesNothing) {
  form.CB3Compo->click();
  form.BtnFile->click();  // the script has no path: the dialog is cancelled
  EXPECT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(form.Record.ChannelCount, 0);
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(KnetLoad, FolderNamesWithPeriodsLoad) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path() / "2018.01.24";
  fs::create_directory(folder);
  for (const char* ext : {".NS", ".EW", ".UD"}) {
    fs::copy_file(SamplePath(std::string("AOM0011801241951") + ext), folder / (std::string("AOM0011801241951") + ext));
  }
  PickThroughFileButton((folder / "AOM0011801241951.NS").string());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Record.SampleCount, 10200);
  EXPECT_EQ(form.Record.DataFolder, folder.string());
}

TEST_F(KnetLoad, LongExtensionIsRefusedAndTheLoadedRecordKeepsItsNames) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  form.CB3Compo->click();
  application.Wait().Label1->SetCaption("untouched");
  PickThroughFileButton("/tmp/record.abcd");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, std::string(kBadFileNameMessage));
  EXPECT_EQ(platform.messages[0].caption, "ファイル名エラー");
  EXPECT_EQ(form.Record.ChannelCount, 3);
  EXPECT_EQ(form.Record.ComponentNames[0], "NS");
  EXPECT_EQ(form.Record.ComponentPaths[0], SamplePath("AOM0011801241951.NS"));
  EXPECT_EQ(application.Wait().Label1->Caption(), "untouched");  // the wait window was not shown
}

TEST_F(KnetLoad, LonelyComponentAndFileThatIsNoRecordLeaveTheLoadedRecordWhole) {
  PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
  const auto shown = [&] {
    const RecordSet& r = form.Record;
    return std::vector<std::string>{form.Label6->Caption(), form.Label14->Caption(), form.Label25->Caption(),
                                    r.ComponentNames[0], r.ComponentPaths[2], r.CurrentStation.Extra2,
                                    std::to_string(r.SampleCount), std::to_string(r.Acceleration[1][5000])};
  };
  const std::vector<std::string> before = shown();

  ScratchFolder scratch;
  fs::copy_file(SamplePath("AOM0011801241951.NS"), scratch / "AOM0011801241951.NS");
  WriteText(scratch / "README.md", "# Notes\n\nNot a record.\n");
  PickThroughFileButton(scratch / "AOM0011801241951.NS");
  PickThroughFileButton(scratch / "README.md");

  // The partner is named as the user would look for it: in the picked file's letter case.
  const auto refused = [](const std::string& path) {
    return "\n３成分のデータを読み込めません\n\nデータファイル " + path + " がありません   \n\nデータを読み込みませんでした";
  };
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{refused(scratch / "AOM0011801241951.EW"),
                                                       refused(scratch / "README.ns")}));
  EXPECT_EQ(platform.messages[0].caption, "データファイルエラー");
  EXPECT_EQ(platform.terminate_requests, 0);
  EXPECT_EQ(shown(), before);
  EXPECT_TRUE(form.BtnWave->isEnabled());
  EXPECT_FALSE(application.Wait().isVisible());
}

TEST_F(KnetLoad, UnknownStationIsReportedAndTheRecordStillLoads) {
  ScratchFolder scratch;
  const std::string text = ReadText(SamplePath("AOM0011801241951.NS"));
  WriteText(scratch / "ZZZ9991801241951.NS", WithHeaderLine(text, 6, "Station Code      ZZZ999"));
  form.CB3Compo->click();
  PickThroughFileButton(scratch / "ZZZ9991801241951.NS");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, std::string(kUnknownKnetStationMessage));
  EXPECT_EQ(platform.messages[0].caption, "観測点コードエラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Record.SampleCount, 10200);
  EXPECT_EQ(form.Label13->Caption(), "ZZZ999");
  EXPECT_EQ(form.Label23->Caption(), "");
  EXPECT_EQ(form.Label25->Caption(), "");
  EXPECT_EQ(form.Record.RecordBaseName, "");

  // Without station information there is no place name for copies.
  form.N8->trigger();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "この観測点の情報がありませんので,ファイル名を変更することはできません");
  EXPECT_EQ(platform.messages[1].caption, "観測点コードエラー");
}

TEST_F(KnetLoad, ScaleFactorWithZeroDenominatorIsRefusedAndTheRecordStays) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  ScratchFolder scratch;
  const std::string text = ReadText(SamplePath("AOM0011801241951.NS"));
  WriteText(scratch / "AOM0011801241951.NS", WithHeaderLine(text, 14, "Scale Factor      3920(gal)/0"));
  form.CB3Compo->click();
  PickThroughFileButton(scratch / "AOM0011801241951.NS");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "データファイルエラー");
  EXPECT_NE(platform.messages[0].text.find(scratch / "AOM0011801241951.NS"), std::string::npos);
  EXPECT_EQ(platform.terminate_requests, 0);
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Record.ChannelCount, 3);
  EXPECT_EQ(form.Record.ComponentPaths[0], SamplePath("AOM0011801241951.NS"));
  EXPECT_EQ(form.Label12->Caption(), "10200");
  EXPECT_FALSE(application.Wait().isVisible());
}

// Issue 10: data the format's rules bent are named once, after the record is on screen.
TEST_F(KnetLoad, FieldsThatAreNoIntegersAreNamedInOneMessageAfterTheLoad) {
  ScratchFolder scratch;
  std::string text = WithHeaderLine(ReadText(SamplePath("AOM0011801241951.NS")), 18,
                                    "  abcdef    131x0");
  WriteText(scratch / "AOM0011801241951.NS", text);
  form.CB3Compo->click();
  PickThroughFileButton(scratch / "AOM0011801241951.NS");

  EXPECT_TRUE(form.Record.RecordLoaded);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "データファイルの警告");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  const std::string path = scratch / "AOM0011801241951.NS";
  EXPECT_EQ(platform.messages[0].text,
            path + " の 18 行目 1 番目の値「  abcdef」は整数ではありません (0 として読みました)\n" + path +
                " の 18 行目 2 番目の値「   131x0」は整数ではありません (131 として読みました)\n");
}

TEST_F(KnetLoad, DcSettingAsksForTheFileAgainAndRereadsWithTheMeanKept) {
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  const float first_with_mean_removed = form.Record.Acceleration[0][0];

  platform.open_paths.push_back(SamplePath("AOM0011801241951.NS"));
  form.CBDC->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "DC成分を除去しないためには，ファイルデータの再読込が必要です");
  EXPECT_EQ(platform.messages[0].caption, "ファイル再読込");
  EXPECT_EQ(platform.open_dialogs.size(), 2u);
  // The counts sit on an offset of about 13190 counts, 8.36 gal.
  EXPECT_NEAR(form.Record.Acceleration[0][0] - first_with_mean_removed, 8.36, 0.01);

  form.CBDC->click();  // cancelled: the record stays as read
  EXPECT_EQ(platform.messages[1].text, "DC成分を除去するためには，ファイルデータの再読込が必要です");
  EXPECT_EQ(platform.open_dialogs.size(), 3u);
  EXPECT_NEAR(form.Record.Acceleration[0][0] - first_with_mean_removed, 8.36, 0.01);
}

}  // namespace
}  // namespace tremora::testing
