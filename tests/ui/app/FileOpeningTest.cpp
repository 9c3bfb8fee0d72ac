#include <QAction>
#include <QMenu>
#include <filesystem>
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
  } fields[] = {{form.CBAutoStart, form.EdStart, "'abc' は整数として正しくありません。"},
                {form.CBAmp, form.EdAmp0, "'abc' は数値として正しくありません。"}};
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

TEST_F(FileOpening, AFilePickedUnderTheOtherFormatIsNamedAndOpenedAsItsOwnWhenTheUserAgrees) {
  const std::string hiroshima = WriteHiroshimaRecord();
  // K-NET chosen, a Hiroshima file picked: No loads nothing.
  platform.answers = {MessageAnswer::No};
  PickThroughFileButton(hiroshima);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, hiroshima + " は広島市消防局のファイルです\n\n広島市消防局ファイルとして開きますか？");
  EXPECT_EQ(platform.messages[0].caption, "ファイル形式の確認");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_TRUE(form.KNET->isChecked());
  // Yes switches the menu and loads.
  PickThroughFileButton(hiroshima);
  EXPECT_TRUE(form.Hiroshima->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "HRS01");
  EXPECT_EQ(platform.messages.size(), 2u);

  // The reverse, from the Hiroshima menu item.
  const std::string knet = SamplePath("AOM0011801241951.NS");
  PickThroughFileButton(knet);
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[2].text, knet + " は K-NET/KiK-net のファイルです\n\nK-NET/KiK-netファイルとして開きますか？");
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  // A file of the chosen format is loaded without a question.
  PickThroughFileButton(knet);
  EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(FileOpening, RecentFilesListTheOpenedNewestFirstGreyTheGoneAndOpenTheChosen) {
  ASSERT_EQ(form.Recent1->actions().size(), 1);
  EXPECT_FALSE(form.Recent1->actions()[0]->isEnabled());  // （なし）
  const std::string hiroshima = WriteHiroshimaRecord();
  const std::string knet = SamplePath("AOM0011801241951.NS");
  EXPECT_TRUE(form.OpenRecordFile(hiroshima));
  EXPECT_TRUE(form.OpenRecordFile(knet));
  // A refused file is not listed.
  EXPECT_FALSE(form.OpenRecordFile(scratch / "missing.NS"));
  EXPECT_EQ(form.RecentFiles, (std::vector<std::string>{knet, hiroshima}));
  std::filesystem::remove(hiroshima);
  emit form.Recent1->aboutToShow();
  const QList<QAction*> items = form.Recent1->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), QString::fromStdString("&1 " + knet));
  EXPECT_TRUE(items[0]->isEnabled());
  EXPECT_EQ(items[1]->text(), QString::fromStdString("&2 " + hiroshima));
  EXPECT_FALSE(items[1]->isEnabled());

  // Chosen from the list: opened as its content says, whatever the format menu says.
  form.HiroshimaClick();
  form.Label13->SetCaption("");
  items[0]->trigger();
  EXPECT_TRUE(form.KNET->isChecked());
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
}

}  // namespace
}  // namespace tremora::testing
