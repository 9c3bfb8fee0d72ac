#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

#include "BundleBuilder.h"
#include "app/Language.h"
#include "app/StationGrid.h"
#include "app/TSynthe.h"
#include "record/TBundleChooser.h"
#include "record/TBundleProgress.h"
#include "ui/app/ApplicationFixture.h"

namespace tremora::testing {
namespace {

namespace fs = std::filesystem;

class BundleChooser : public ApplicationFixture {
 protected:
  TBundleChooser& Chooser() const { return *form.BundleChooser(); }

  std::vector<std::string> ShownCells(BundleColumn column) const {
    std::vector<std::string> cells;
    for (int row = 0; row < Chooser().StringGrid1->rowCount(); ++row) {
      cells.push_back(Chooser().StringGrid1->Cell(row, static_cast<int>(column)));
    }
    return cells;
  }

  void PressEnterOnRow(int row) {
    Chooser().StringGrid1->setCurrentCell(row, 0);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(Chooser().StringGrid1, &enter);
  }

  std::vector<std::string> HeaderTexts() const {
    std::vector<std::string> texts;
    for (int column = 0; column < kBundleColumnCount; ++column) {
      texts.push_back(Chooser().StringGrid1->horizontalHeaderItem(column)->text().toStdString());
    }
    return texts;
  }

  // What the main window shows of the record on screen, the path label aside.
  std::vector<std::string> RecordLabels() const {
    std::vector<std::string> texts;
    for (TextLabel* label : {form.Label6, form.Label7, form.Label8, form.Label9, form.Label10, form.Label12,
                             form.Label13, form.Label23, form.Label24, form.Label25, form.Label28, form.Label30}) {
      texts.push_back(label->Caption());
    }
    return texts;
  }

  ScratchFolder scratch;
};

TEST_F(BundleChooser, ListsSortsAndSearchesTheStationsAndLoadsOneAfterAnotherAsFilesOnDisk) {
  PickThroughFileButton(SamplePath("NGNH311106302345.NS2"));
  const std::vector<std::string> direct_labels = RecordLabels();
  const std::vector<float> direct_ud(form.Record.Acceleration[2].begin(), form.Record.Acceleration[2].begin() + 12000);

  const std::string bundle = scratch.Write("event.tar", EventBundle());
  form.HiroshimaClick();  // the two loads share the dialog; a bundle holds K-NET / KiK-net records
  PickThroughFileButton(bundle);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_EQ(platform.open_dialogs.back().filter_index, 1);
  EXPECT_TRUE(form.KNET->isChecked());
  ASSERT_NE(form.BundleChooser(), nullptr);
  EXPECT_TRUE(Chooser().isVisible());
  EXPECT_EQ(Chooser().windowTitle().toStdString(), "観測点の選択 - event.tar");
  EXPECT_EQ(ShownCells(BundleColumn::Code), (std::vector<std::string>{"AOM001", "NGNH31", "NGNH31"}));
  EXPECT_EQ(ShownCells(BundleColumn::Name), (std::vector<std::string>{"大間", "塩尻", "塩尻"}));
  EXPECT_EQ(ShownCells(BundleColumn::Network), (std::vector<std::string>{"K-NET", "KiK-net 地中", "KiK-net 地表"}));
  EXPECT_EQ(ShownCells(BundleColumn::MaxAcc), (std::vector<std::string>{"4.954", "0.141", "0.618"}));
  EXPECT_EQ(ShownCells(BundleColumn::Distance), (std::vector<std::string>{"144.1", "10.5", "10.5"}));

  // Header clicks: by distance, nearest first; by peak acceleration, then largest first.
  QHeaderView& header = *Chooser().StringGrid1->horizontalHeader();
  emit header.sectionClicked(static_cast<int>(BundleColumn::Distance));
  EXPECT_EQ(ShownCells(BundleColumn::Distance), (std::vector<std::string>{"10.5", "10.5", "144.1"}));
  emit header.sectionClicked(static_cast<int>(BundleColumn::MaxAcc));
  emit header.sectionClicked(static_cast<int>(BundleColumn::MaxAcc));
  EXPECT_EQ(ShownCells(BundleColumn::MaxAcc), (std::vector<std::string>{"4.954", "0.618", "0.141"}));

  Chooser().Edit1->SetText("ngn");
  Chooser().Button2->click();
  EXPECT_EQ(Chooser().StringGrid1->currentRow(), 1);
  Chooser().Edit1->SetText("zzz");
  Chooser().Button2->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "観測点コードエラー");
  platform.messages.clear();

  // Enter on the surface sensor's row: the same record as from the files themselves.
  PressEnterOnRow(1);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
  EXPECT_EQ(RecordLabels(), direct_labels);
  EXPECT_TRUE(std::equal(direct_ud.begin(), direct_ud.end(), form.Record.Acceleration[2].begin()));
  EXPECT_EQ(form.Record.ComponentNames[0], "NS2");
  EXPECT_EQ(form.Label14->Caption(), bundle + ":20180124195100.kik.tar.gz/NGNH311106302345");
  EXPECT_EQ(form.Record.BundlePath, bundle);
  EXPECT_EQ(form.Record.DataFolder, scratch.path().string());
  // Every default folder is the bundle's, never the private one it was unpacked into.
  platform.open_paths.push_back(std::nullopt);
  form.BtnFile->click();
  EXPECT_EQ(platform.open_dialogs.back().initial_folder, scratch.path().string());
  form.BtnCsv->click();
  form.Button3->click();
  application.Synthe().Button3->click();
  ASSERT_EQ(platform.save_dialogs.size(), 2u);
  EXPECT_EQ(platform.save_dialogs[0].initial_folder, scratch.path().string());
  EXPECT_EQ(platform.save_dialogs[1].initial_folder, scratch.path().string());
  EXPECT_EQ(platform.save_dialogs[1].default_name, "NGNH311106302345.045");

  // A double click on the next station; the chooser stays open.
  emit Chooser().StringGrid1->cellDoubleClicked(0, 0);
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_EQ(form.Label23->Caption(), "大間");
  EXPECT_EQ(form.Record.ComponentNames[0], "NS");
  EXPECT_TRUE(Chooser().isVisible());

  // A file on disk afterwards is no longer known by the bundle.
  PickThroughFileButton(SamplePath("AOM0011801241951.NS"));
  EXPECT_TRUE(form.Record.BundlePath.empty());
  EXPECT_EQ(form.OpenDialog1.initial_folder, TREMORA_RECORDS_DIR);
  EXPECT_EQ(form.Label14->Caption(), SamplePath("AOM0011801241951"));
}

TEST_F(BundleChooser, BadBundlesAndRefusedLoadsKeepTheRecordTheChooserAndNoUnpackedFiles) {
  const std::string bundle = scratch.Write("event.tar", EventBundle());
  ASSERT_TRUE(form.OpenRecordFile(bundle));
  PressEnterOnRow(0);
  ASSERT_EQ(form.Label13->Caption(), "AOM001");
  const std::string unpacked = form.OpenedBundle()->folder;

  const std::string whole = EventBundle();
  const std::string truncated = scratch.Write("truncated.tar", whole.substr(0, whole.size() / 2));
  const std::string empty = scratch.Write("empty.tar.gz", Pack({{"README", "no records"}}, Packing::TarGz));
  EXPECT_FALSE(form.OpenRecordFile(truncated));
  EXPECT_FALSE(form.OpenRecordFile(empty));
  ASSERT_EQ(platform.messages.size(), 2u);
  for (const auto& message : platform.messages) EXPECT_EQ(message.caption, "配布ファイルエラー");
  EXPECT_NE(platform.messages[0].text.find(truncated), std::string::npos) << platform.messages[0].text;
  EXPECT_NE(platform.messages[1].text.find(empty), std::string::npos) << platform.messages[1].text;
  EXPECT_EQ(form.Label13->Caption(), "AOM001");
  EXPECT_EQ(form.Record.BundlePath, bundle);
  EXPECT_EQ(Chooser().windowTitle().toStdString(), "観測点の選択 - event.tar");
  EXPECT_EQ(Chooser().StringGrid1->rowCount(), 3);
  // Only the good bundle's files are left in the private folder.
  const fs::path private_folder = fs::path(unpacked).parent_path();
  EXPECT_EQ(std::distance(fs::directory_iterator(private_folder), fs::directory_iterator()), 1);

  // A record whose partners are missing from its bundle is named as in the bundle, and the
  // record on screen keeps its own bundle.
  const std::string partial = scratch.Write(
      "partial.tar", Pack({{"x.knt.tar.gz", Pack(SampleMembers({"AOM0011801241951.NS"}), Packing::TarGz)}}, Packing::Tar));
  ASSERT_TRUE(form.OpenRecordFile(partial));
  platform.messages.clear();
  PressEnterOnRow(0);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find(partial + ":x.knt.tar.gz/AOM0011801241951.EW"), std::string::npos)
      << platform.messages[0].text;
  EXPECT_EQ(platform.messages[0].text.find(private_folder.string()), std::string::npos);
  EXPECT_EQ(form.Record.BundlePath, bundle);
  EXPECT_EQ(form.Label14->Caption(), bundle + ":20180124195100.knt.tar.gz/AOM0011801241951");
  // The earlier bundle's files stay while its record is on screen.
  EXPECT_TRUE(fs::exists(unpacked));
}

TEST_F(BundleChooser, UnpackingShowsItsProgressAndCancelKeepsNothingWhileDuplicateMembersAreNamed) {
  const std::string bundle = scratch.Write("event.tar", EventBundle());
  std::string shown;
  platform.on_modal = [&shown](QWidget& window) {
    auto* progress = qobject_cast<TBundleProgress*>(&window);
    ASSERT_NE(progress, nullptr);
    shown = progress->Label1->Caption() + "|" + progress->Button1->text().toStdString();
  };
  platform.modal_presses = {"Button1"};
  EXPECT_FALSE(form.OpenRecordFile(bundle));
  EXPECT_EQ(shown, "配布ファイルを展開しています・・・・|キャンセル");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.BundleChooser(), nullptr);
  EXPECT_EQ(form.OpenedBundle(), nullptr);
  platform.on_modal = nullptr;

  // Two files for AOM001's NS: that record is named and left out, the KiK-net ones are listed.
  testing::Members knet = SampleMembers(kKnetSampleFiles);
  knet.emplace_back("aom0011801241951.ns", knet[1].second);
  const std::string twice = scratch.Write(
      "twice.tar", Pack({{"x.knt.tar.gz", Pack(knet, Packing::TarGz)},
                         {"x.kik.tar.gz", Pack(SampleMembers(kKiknetSampleFiles), Packing::TarGz)}},
                        Packing::Tar));
  ASSERT_TRUE(form.OpenRecordFile(twice));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "配布ファイルエラー");
  EXPECT_EQ(platform.messages[0].text, "配布ファイルの次の記録は読み込みませんでした\n\n" + twice +
                                           ":x.knt.tar.gz/AOM0011801241951.NS and " + twice +
                                           ":x.knt.tar.gz/aom0011801241951.ns are both the NS component of one "
                                           "record; that record is not read\n");
  EXPECT_EQ(ShownCells(BundleColumn::Code), (std::vector<std::string>{"NGNH31", "NGNH31"}));
  // The cancelled unpacking left nothing beside this bundle's files.
  const fs::path private_folder = fs::path(form.OpenedBundle()->folder).parent_path();
  EXPECT_EQ(std::distance(fs::directory_iterator(private_folder), fs::directory_iterator()), 1);
}

TEST_F(BundleChooser, UnpacksAndListsInEnglishAndSwitchesBackKeepingItsRowsOrderAndChoice) {
  const struct JapaneseAgain {
    ~JapaneseAgain() { RemoveLanguage(); }
  } japanese_again;
  ASSERT_TRUE(ApplyLanguage(*qApp, Language::English));
  std::string shown;
  platform.on_modal = [&shown](QWidget& window) {
    auto& progress = dynamic_cast<TBundleProgress&>(window);
    shown = progress.windowTitle().toStdString() + "|" + progress.Label1->Caption() + "|" +
            progress.Button1->text().toStdString();
  };
  const std::string bundle = scratch.Write("event.tar", EventBundle());
  ASSERT_TRUE(form.OpenRecordFile(bundle));
  EXPECT_EQ(shown, "Please wait|Unpacking the download file...|Cancel");
  EXPECT_EQ(Chooser().windowTitle().toStdString(), "Choose a station - event.tar");
  EXPECT_EQ(HeaderTexts(),
            (std::vector<std::string>{"Code", "Station", "Network", "Max. acc. [gal]", "Epi. dist. [km]"}));
  EXPECT_EQ(ShownCells(BundleColumn::Network),
            (std::vector<std::string>{"K-NET", "KiK-net borehole", "KiK-net surface"}));
  EXPECT_EQ(Chooser().Label1->Caption(), "Records: 3");
  // The longer English network names widen their column to be read whole; Japanese has today's width.
  const int network_column = static_cast<int>(BundleColumn::Network);
  EXPECT_GT(Chooser().StringGrid1->columnWidth(network_column),
            QFontMetrics(Chooser().StringGrid1->font()).horizontalAdvance("KiK-net borehole"));
  EXPECT_EQ(Chooser().Button2->text().toStdString(), "Find");
  Chooser().Edit1->SetText("zzz");
  Chooser().Button2->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text + "|" + platform.messages[0].caption, "There is no such station|Station code error");

  // Sorted by distance, farthest first, with the borehole row chosen: a switch keeps all of it.
  QHeaderView& header = *Chooser().StringGrid1->horizontalHeader();
  emit header.sectionClicked(static_cast<int>(BundleColumn::Distance));
  emit header.sectionClicked(static_cast<int>(BundleColumn::Distance));
  Chooser().StringGrid1->SelectRow(2);
  std::vector<int> records;
  for (const BundleRow& row : Chooser().Rows()) records.push_back(row.record);
  ApplyLanguage(*qApp, Language::Japanese);
  QCoreApplication::processEvents();
  EXPECT_EQ(Chooser().windowTitle().toStdString(), "観測点の選択 - event.tar");
  EXPECT_EQ(HeaderTexts(),
            (std::vector<std::string>{"観測点コード", "観測点名", "観測網", "最大加速度 [gal]", "震央距離 [km]"}));
  EXPECT_EQ(Chooser().Label1->Caption(), "3 記録");
  EXPECT_EQ(Chooser().Label2->Caption(), "ダブルクリックまたは Enter で読み込みます");
  std::vector<int> records_after;
  for (const BundleRow& row : Chooser().Rows()) records_after.push_back(row.record);
  EXPECT_EQ(records_after, records);
  std::vector<std::string> networks;
  for (const BundleRow& row : Chooser().Rows()) networks.push_back(row.cells[static_cast<int>(BundleColumn::Network)]);
  EXPECT_EQ(ShownCells(BundleColumn::Network), networks);
  EXPECT_EQ(networks[0], "K-NET");
  EXPECT_EQ(Chooser().StringGrid1->currentRow(), 2);
  EXPECT_EQ(Chooser().StringGrid1->columnWidth(network_column), 92);
}

}  // namespace
}  // namespace tremora
