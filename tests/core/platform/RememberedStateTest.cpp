#include <gtest/gtest.h>

#include "platform/RememberedState.h"

namespace tremora {
namespace {

TEST(RecentFiles, ANewFileGoesFirstAnOpenedAgainMovesUpAndTheEleventhDrops) {
  std::vector<std::string> list;
  for (int i = 1; i <= 11; ++i) AddRecentFile(list, "/r/" + std::to_string(i));
  ASSERT_EQ(list.size(), kRecentFileCount);
  EXPECT_EQ(list.front(), "/r/11");
  EXPECT_EQ(list.back(), "/r/2");
  AddRecentFile(list, "/r/5");
  ASSERT_EQ(list.size(), kRecentFileCount);
  EXPECT_EQ(list[0], "/r/5");
  EXPECT_EQ(list[1], "/r/11");
  EXPECT_EQ(std::count(list.begin(), list.end(), "/r/5"), 1);
}

TEST(RememberedState, ReadsBackWhatWasWritten) {
  RememberedState state;
  state.recent_files = {"/data/b, c/AOM0011801241951.NS", "/data/今回/x.tar.gz"};
  state.folders = {{"open", "/data/b, c"}, {"wave-csv", "/tmp/out"}};
  state.windows = {{"Form1", {-20, 40, 825, 562}}, {"Spect", {1700, 10, 936, 513}}};
  const RememberedState read = ReadRemembered(WriteRemembered(state));
  EXPECT_EQ(read.recent_files, state.recent_files);
  EXPECT_EQ(read.folders, state.folders);
  EXPECT_EQ(read.windows, state.windows);
}

TEST(RememberedState, DropsWhatDoesNotReadAndKeepsTheRest) {
  const SettingsMap damaged = {
      {"RecentFiles/1", "/a.NS"}, {"RecentFiles/2", ""}, {"RecentFiles/3", "/after-a-gap.NS"},
      {"RecentFiles/x", "/b.NS"}, {"Folders/", "/nameless"},  {"Folders/gif", "/pictures"},
      {"Windows/Form1", "10 20 30"}, {"Windows/Spect", "1 2 3 4 5"}, {"Windows/Large", "1 2 0 4"},
      {"Windows/Super", "1 2 300 400"}, {"Other", "x"}};
  const RememberedState read = ReadRemembered(damaged);
  EXPECT_EQ(read.recent_files, std::vector<std::string>{"/a.NS"});
  EXPECT_EQ(read.folders, (std::map<std::string, std::string>{{"gif", "/pictures"}}));
  ASSERT_EQ(read.windows.size(), 1u);
  EXPECT_EQ(read.windows.at("Super"), (ScreenRect{1, 2, 300, 400}));
  EXPECT_TRUE(ReadRemembered({}).recent_files.empty());
}

}  // namespace
}  // namespace tremora
