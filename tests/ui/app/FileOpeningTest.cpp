#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

class FileOpening : public ApplicationFixture {
 protected:
  // A Hiroshima City record of three files; returns the EW file.
  std::string WriteHiroshimaRecord() {
    for (const char* extension : {"ns", "ew", "ud"}) {
      std::string text = "code,HRS01\ndate,2018/01/24\ntime,19:51:43\ncount,30\ninterval,10\n";
      for (int k = 0; k < 30; ++k) text += std::to_string(k % 7) + (k % 10 == 9 ? ",\n" : ",");
      WriteText(scratch / (std::string("eq1.") + extension), text);
    }
    return scratch / "eq1.ew";
  }

  // As the toolkit delivers a drop: it reaches only a widget that accepted the drag's entry.
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

TEST_F(FileOpening, EachFormatSetsTheFormatMenuAndLoadsWithItsPartners) {
  EXPECT_TRUE(form.OpenRecordFile(WriteHiroshimaRecord()));
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_FALSE(form.KNET->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "HRS01");
  EXPECT_EQ(form.Label6->Caption(), "データなし");

  EXPECT_TRUE(form.OpenRecordFile(SamplePath("AOM0011801241951.NS")));
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_FALSE(form.Hiroshima->isChecked());
  EXPECT_EQ(form.Record.ChannelCount, 3);
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_EQ(form.Label14->Caption(), SamplePath("AOM0011801241951"));

  // The open dialog and a first save dialog of each kind start beside the record; a save
  // dialog then starts where its kind was last saved.
  platform.open_paths.push_back(std::nullopt);
  form.BtnFile->click();
  EXPECT_EQ(platform.open_dialogs.back().initial_folder, TREMORA_RECORDS_DIR);
  platform.save_paths = {scratch / "wave.csv", std::nullopt, std::nullopt};
  form.BtnCsv->click();
  form.BtnCsv->click();
  form.BtnGif->click();
  ASSERT_EQ(platform.save_dialogs.size(), 3u);
  EXPECT_EQ(platform.save_dialogs[0].initial_folder, TREMORA_RECORDS_DIR);
  EXPECT_EQ(platform.save_dialogs[1].initial_folder, scratch.path().string());
  EXPECT_EQ(platform.save_dialogs[2].initial_folder, TREMORA_RECORDS_DIR);
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
}

TEST_F(FileOpening, DroppingFilesLoadsTheFirstOnly) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(WriteHiroshimaRecord())),
                 QUrl::fromLocalFile(QString::fromStdString(SamplePath("AOM0011801241951.NS")))});
  Drop(files);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "HRS01");

  QMimeData web;  // no file: nothing happens
  web.setUrls({QUrl("https://www.example.org/AOM0011801241951.NS")});
  Drop(web);
  EXPECT_EQ(form.Label13->Caption(), "HRS01");

  QMimeData text;  // a file URL dropped as text
  text.setText(QUrl::fromLocalFile(QString::fromStdString(SamplePath("AOM0011801241951.NS"))).toString() + "\r\n");
  Drop(text);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
}

// A start or a scale the redraw after a load cannot read, whether the file was dropped or named on
// the command line: the standard error box, and the program goes on.
TEST_F(FileOpening, AnUnreadableStartOrScaleAfterADeferredOpenEndsInTheErrorBox) {
  const std::string record = SamplePath("AOM0011801241951.NS");
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(record))});
  const struct {
    CheckBox* automatic;
    EditBox* edit;
    const char* error;
  } fields[] = {{form.CBAutoStart, form.EdStart, "'abc' is not a valid integer value."},
                {form.CBAmp, form.EdAmp0, "'abc' is not a valid floating point value."}};
  for (const auto& field : fields) {
    for (const bool drop : {true, false}) {
      SCOPED_TRACE(field.edit->objectName().toStdString() + (drop ? " dropped" : " command line"));
      field.automatic->SetChecked(false);
      field.edit->setText("abc");
      platform.standard_errors.clear();
      if (drop) {
        Drop(dropped);
      } else {
        form.OpenRecordFileLater(record);
        QCoreApplication::processEvents();
      }
      EXPECT_EQ(platform.standard_errors, std::vector<std::string>{field.error});
      EXPECT_TRUE(platform.messages.empty());
      field.edit->setText(field.edit == form.EdStart ? "1400" : "400");
      field.automatic->SetChecked(true);
    }
  }
  // Still running: the next load draws the record.
  EXPECT_TRUE(form.OpenRecordFile(record));
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_GT(form.DisplayCount, 0);
}

}  // namespace
}  // namespace tremora::testing
