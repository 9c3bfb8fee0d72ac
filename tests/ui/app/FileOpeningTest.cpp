#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

std::string HiroshimaFile(const std::string& code, float offset) {
  std::string text = "code," + code + "\ndate,2018/01/24\ntime,19:51:43\ncount,30\ninterval,10\n";
  for (int line = 0; line < 3; ++line) {
    for (int k = 0; k < 10; ++k) text += std::to_string(offset + line * 10 + k) + ",";
    text += "\n";
  }
  return text;
}

class FileOpening : public ApplicationFixture {
 protected:
  std::string WriteHiroshimaRecord() {
    WriteText(scratch / "eq1.ns", HiroshimaFile("HRS01", 0));
    WriteText(scratch / "eq1.ew", HiroshimaFile("HRS01", 100));
    WriteText(scratch / "eq1.ud", HiroshimaFile("HRS01", 200));
    return scratch / "eq1.ew";
  }

  void Drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    Drop(data);
  }

  // As the toolkit delivers a drop: it reaches only the widget that accepted the drag's entry.
  void Drop(const QMimeData& data) {
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QDragMoveEvent move(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &move);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    QCoreApplication::processEvents();
  }

  ScratchFolder scratch;
};

TEST_F(FileOpening, AKnetFileSetsTheFormatMenuAndLoadsWithItsPartners) {
  form.Hiroshima->trigger();
  EXPECT_TRUE(form.OpenRecordFile(SamplePath("AOM0011801241951.NS")));

  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_FALSE(form.Hiroshima->isChecked());
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Record.ChannelCount, 3);
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_EQ(form.Label14->Caption(), SamplePath("AOM0011801241951"));

  // The next open dialog, and a first save dialog of each kind, start beside the record.
  PickThroughFileButton("");
  platform.open_paths.clear();
  ASSERT_FALSE(platform.open_dialogs.empty());
  EXPECT_EQ(platform.open_dialogs.back().initial_folder, TREMORA_RECORDS_DIR);
  platform.save_paths.push_back(scratch / "wave.csv");
  form.BtnCsv->click();
  platform.save_paths.push_back(std::nullopt);
  form.BtnCsv->click();
  platform.save_paths.push_back(std::nullopt);
  form.BtnGif->click();
  ASSERT_EQ(platform.save_dialogs.size(), 3u);
  EXPECT_EQ(platform.save_dialogs[0].initial_folder, TREMORA_RECORDS_DIR);
  EXPECT_EQ(platform.save_dialogs[1].initial_folder, scratch.path().string());
  EXPECT_EQ(platform.save_dialogs[2].initial_folder, TREMORA_RECORDS_DIR);
}

TEST_F(FileOpening, AHiroshimaFileSetsTheFormatMenuAndLoads) {
  EXPECT_TRUE(form.OpenRecordFile(WriteHiroshimaRecord()));

  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_FALSE(form.KNET->isChecked());
  EXPECT_TRUE(form.Record.RecordLoaded);
  EXPECT_EQ(form.Record.SampleCount, 30);
  EXPECT_EQ(form.Label13->Caption(), "HRS01");
  EXPECT_EQ(form.Label6->Caption(), "データなし");
}

TEST_F(FileOpening, AFileOfNoKnownFormatOrNoFileAtAllLeavesTheProgramEmpty) {
  const std::string readme = std::string(TREMORA_RECORDS_DIR) + "/../README.md";
  for (const std::string& path : {readme, scratch / "missing.NS", scratch.path().string()}) {
    platform.messages.clear();
    EXPECT_FALSE(form.OpenRecordFile(path)) << path;
    ASSERT_EQ(platform.messages.size(), 1u) << path;
    EXPECT_NE(platform.messages[0].text.find(path), std::string::npos) << platform.messages[0].text;
  }
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_FALSE(form.BtnWave->isEnabled());
}

TEST_F(FileOpening, DroppingFilesLoadsTheFirstOnly) {
  Drop({QUrl::fromLocalFile(QString::fromStdString(WriteHiroshimaRecord())),
        QUrl::fromLocalFile(QString::fromStdString(SamplePath("AOM0011801241951.NS")))});
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "HRS01");

  // A web address is no file: nothing happens.
  Drop({QUrl("https://www.example.org/AOM0011801241951.NS")});
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Label13->Caption(), "HRS01");

  // A file URL dropped as text.
  QMimeData text;
  text.setText(QUrl::fromLocalFile(QString::fromStdString(SamplePath("AOM0011801241951.NS"))).toString() + "\r\n");
  Drop(text);
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
}

}  // namespace
}  // namespace tremora::testing
