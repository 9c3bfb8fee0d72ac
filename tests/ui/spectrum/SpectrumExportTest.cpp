// The spectrum window's exports: the CSV through the core writer, the GIF of the graph, the copy.

#include <QImage>
#include <sys/stat.h>

#include "spectrum/SpectrumCsv.h"
#include "ui/spectrum/SpectrumFixture.h"

namespace tremora::testing {
namespace {

class SpectrumExport : public SpectrumWindowFixture {
 protected:
  ScratchFolder folder;
};

TEST_F(SpectrumExport, CsvIsTheCoreWritersTextForTheDisplayedSection) {
  LoadAndOpen();
  // What the window shows does not limit what the file holds.
  spect.D02->SetChecked(false);
  spect.RGSpect->SetItemIndex(1);
  platform.save_paths.push_back(folder / "spectra.csv");
  spect.BtnCSV->click();
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951rsp.csv");
  EXPECT_EQ(platform.save_dialogs[0].filter, "CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*");
  EXPECT_TRUE(platform.save_dialogs[0].overwrite_prompt);
  const std::string expected =
      FormatSpectrumCsv(form.Record, MakePeriodGrid(), DampingSet(DampingMultiplier::X1),
                        *Expected(DampingSet(DampingMultiplier::X1)));
  EXPECT_EQ(ReadText(folder / "spectra.csv"), expected);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SpectrumExport, TenfoldDampingCsvCarriesItsRatiosInTheHeader) {
  LoadAndOpen();
  form.N3->trigger();
  platform.save_paths.push_back(folder / "tenfold");
  spect.BtnCSV->click();
  const std::string text = ReadText(folder / "tenfold.csv");
  EXPECT_NE(text.find("\r\nSA\r\nPeriod,Frequency,0.00,0.10,0.20,0.50,1.00\r\n  0.050, 20.000,"), std::string::npos);
  EXPECT_EQ(text, FormatSpectrumCsv(form.Record, MakePeriodGrid(), DampingSet(DampingMultiplier::X10),
                                    *Expected(DampingSet(DampingMultiplier::X10))));
}

TEST_F(SpectrumExport, ChosenExtensionIsKeptAndACancelWritesNothing) {
  LoadAndOpen();
  platform.save_paths.push_back(folder / "result.txt");
  platform.save_paths.push_back(std::nullopt);
  spect.BtnCSV->click();
  spect.BtnCSV->click();
  EXPECT_TRUE(std::filesystem::exists(folder / "result.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder / "result.txt.csv"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SpectrumExport, CsvThatCannotBeWrittenIsReported) {
  LoadAndOpen();
  const std::string path = folder / "missing/spectra.csv";
  platform.save_paths.push_back(path);
  spect.BtnCSV->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find(path), std::string::npos);
  EXPECT_EQ(platform.messages[0].caption, "CSVファイル保存エラー");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(SpectrumExport, CsvBeforeAnyRecordIsEmpty) {
  platform.save_paths.push_back(folder / "none");
  spect.BtnCSV->click();
  EXPECT_EQ(platform.save_dialogs[0].default_name, "rsp.csv");
  EXPECT_EQ(ReadText(folder / "none.csv"), "");
}

TEST_F(SpectrumExport, GifHoldsTheGraphAndRemembersItsFolder) {
  LoadAndOpen();
  platform.save_paths.push_back(folder / "picture");
  spect.BtnGIF->click();
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].default_name, "AOM001-201801241951rsp.gif");
  // Before any GIF of the run: beside the record.
  EXPECT_EQ(platform.save_dialogs[0].initial_folder, TREMORA_RECORDS_DIR);
  EXPECT_EQ(platform.save_dialogs[0].filter, "GIFﾌｧｲﾙ (*,gif)|*.gif|すべて (*.*)|*.*");
  const QImage saved(QString::fromStdString(folder / "picture.gif"));
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Picture().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(spect.LastGifFolder, folder.path().string() + "/");

  platform.save_paths.push_back(std::nullopt);
  spect.BtnGIF->click();
  EXPECT_EQ(platform.save_dialogs[1].initial_folder, folder.path().string() + "/");
}

TEST_F(SpectrumExport, GifThatCannotBeWrittenIsReported) {
  LoadAndOpen();
  platform.save_paths.push_back(folder / "missing/picture.gif");
  spect.BtnGIF->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "GIFファイル保存エラー");
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(SpectrumExport, CopyPutsTheGraphOnTheClipboard) {
  LoadAndOpen();
  spect.Button2->click();
  EXPECT_EQ(platform.clipboard, Picture());
}

}  // namespace
}  // namespace tremora::testing
