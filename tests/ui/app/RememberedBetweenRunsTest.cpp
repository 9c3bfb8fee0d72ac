// What one run leaves for the next: recent files, the folders of the dialogs and the windows'
// places, through a store in memory or a QSettings file in a scratch folder, never the user's own.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "TempFolder.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "app/THowTo.h"
#include "platform/QtSettingsStore.h"
#include "platform/RememberedState.h"
#include "platform/ScriptedPlatform.h"
#include "platform/WindowPlacement.h"
#include "spectrum/TSpect.h"

namespace tremora::testing {
namespace {

std::string SamplePath(const std::string& name) { return std::string(TREMORA_RECORDS_DIR) + "/" + name; }

class RememberedBetweenRuns : public ::testing::Test {
 protected:
  std::unique_ptr<Application> Start() { return std::make_unique<Application>(TREMORA_DATA_DIR); }

  // One run: a record loaded, a waveform CSV saved into the scratch folder, the help window moved.
  void RunOnce() {
    auto run = Start();
    TForm1& form = run->Form1();
    platform.open_paths.push_back(SamplePath("AOM0011801241951.NS"));
    form.BtnFile->click();
    ASSERT_TRUE(form.Record.RecordLoaded);
    platform.save_paths.push_back(scratch.path().string() + "/wave.csv");
    form.BtnCsv->click();
    form.Tutorial1->trigger();
    run->HowTo().move(area.x + 3, area.y + 2);
  }

  ScriptedPlatform platform;
  TempFolder scratch;
  const ScreenRect area = FreeAreaNear(nullptr);
};

TEST_F(RememberedBetweenRuns, TheNextRunListsTheFileOpensTheDialogsWhereTheyWereAndPutsTheWindowBack) {
  RunOnce();
  auto next = Start();
  TForm1& form = next->Form1();
  EXPECT_EQ(form.RecentFiles, std::vector<std::string>{SamplePath("AOM0011801241951.NS")});
  ASSERT_EQ(form.Recent1->actions().size(), 1);
  EXPECT_TRUE(form.Recent1->actions()[0]->isEnabled());
  EXPECT_EQ(next->HowTo().pos(), QPoint(area.x + 3, area.y + 2));
  EXPECT_EQ(form.OpenDialog1.initial_folder, TREMORA_RECORDS_DIR);
  // Every control as on a first run.
  EXPECT_FALSE(form.Record.RecordLoaded);
  EXPECT_TRUE(form.KNET->isChecked());

  // The waveform CSV dialog opens where the last one went, even beside another record.
  platform.open_paths.push_back(SamplePath("AOM0011801241951.NS"));
  form.BtnFile->click();
  platform.save_paths.push_back(std::nullopt);
  form.BtnCsv->click();
  ASSERT_EQ(platform.save_dialogs.size(), 2u);
  EXPECT_EQ(platform.save_dialogs.back().initial_folder, scratch.path().string());
}

TEST_F(RememberedBetweenRuns, APlaceOffEveryScreenAGoneFolderOrAnUnusableStoreStartAsAFirstRun) {
  platform.settings.values = {{"Windows/Form1", std::to_string(area.right() + 10) + " 0 825 562"},
                              {"Folders/wave-csv", scratch.path().string() + "/gone"},
                              {"RecentFiles/1", scratch.path().string() + "/gone.NS"}};
  {
    auto run = Start();
    EXPECT_NE(run->Form1().x(), area.right() + 10);
    EXPECT_TRUE(run->Form1().LastWaveCsvFolder.empty());
    // A file that is gone is still listed, greyed.
    ASSERT_EQ(run->Form1().Recent1->actions().size(), 1);
    EXPECT_FALSE(run->Form1().Recent1->actions()[0]->isEnabled());
  }

  platform.settings.readable = false;
  {
    auto run = Start();
    EXPECT_TRUE(run->Form1().RecentFiles.empty());
  }
  // A store that takes nothing: the run ends as usual and nothing is kept.
  platform.settings.readable = true;
  platform.settings.writable = false;
  platform.settings.values.clear();
  RunOnce();
  EXPECT_TRUE(platform.settings.values.empty());
  EXPECT_TRUE(Start()->Form1().RecentFiles.empty());
}

TEST_F(RememberedBetweenRuns, TheQSettingsFileKeepsEveryTextAndADamagedOneReadsAsNothing) {
  const QString file = QString::fromStdString(scratch.path().string() + "/tremora.conf");
  QtSettingsStore store(file);
  EXPECT_EQ(store.Load(), SettingsMap{});
  const SettingsMap values = {{"RecentFiles/1", "/data/a, b & c/今回.NS"}, {"Windows/Form1", "-4 30 825 562"}};
  ASSERT_TRUE(store.Save(values));
  EXPECT_EQ(store.Load(), values);

  std::ofstream(file.toStdString(), std::ios::binary | std::ios::trunc) << "[General\n\x01\x02=\xff\n";
  const std::optional<SettingsMap> damaged = store.Load();
  if (damaged) {
    EXPECT_TRUE(ReadRemembered(*damaged).recent_files.empty());
  }
  // A folder in place of the file: it cannot be written.
  std::filesystem::remove(file.toStdString());
  std::filesystem::create_directory(file.toStdString());
  EXPECT_FALSE(store.Save(values));
}

}  // namespace
}  // namespace tremora::testing
