#include "platform/PictureFiles.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>


#include <gtest/gtest.h>

#include "DecodePicture.h"
#include "graph/TMyGraph.h"
#include "TempFolder.h"
#include "base/Errors.h"
#include "base/SafeFileWrite.h"

namespace tremora {
namespace {

namespace fs = std::filesystem;
using testing::ReadGif;
using testing::ReadPng;

class PictureFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tremora_pictures_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

// A graph with a frame, texts and curves in three colours.
QImage DrawnGraph() {
  TMyGraph graph;
  graph.Clear(kWhite);
  graph.DrawWaku();
  std::vector<float> x(40), y(40);
  for (int i = 0; i < 40; ++i) {
    x[i] = 0.5f * static_cast<float>(i);
    y[i] = static_cast<float>((i * 7) % 40);
  }
  graph.GetCanvas().SetPenColour(kRed);
  graph.DrawGraph(40, x.data(), y.data());
  graph.GetCanvas().SetPenColour(0xFF0000);
  graph.GetCanvas().SetPenWidth(2);
  graph.DrawGraph(20, x.data() + 10, y.data());
  return graph.Picture().copy();
}


TEST_F(PictureFilesTest, GifOfADrawnGraphDecodesToExactlyItsPixels) {
  const QImage picture = DrawnGraph();
  EXPECT_LE(ToIndexed(picture).palette.size(), 256u);
  WriteGif(picture, PathOf("graph.gif"));
  const QImage decoded = ReadGif(PathOf("graph.gif"));
  ASSERT_EQ(decoded.size(), picture.size());
  EXPECT_EQ(decoded, picture.convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureFilesTest, PngOfAGraphDecodesToExactlyItsPixels) {
  TMyGraph graph;
  graph.Clear(kWhite);
  graph.DrawWaku();
  const std::vector<float> x{0.0f, 5.0f, 20.0f}, y{40.0f, 3.0f, 25.0f};
  graph.GetCanvas().SetPenColour(0x00A000);
  graph.DrawGraph(3, x.data(), y.data());
  graph.Save_PNG(PathOf("graph.png"));
  const QImage decoded = ReadPng(PathOf("graph.png"));
  ASSERT_EQ(decoded.size(), QSize(300, 300));
  EXPECT_EQ(decoded, graph.Picture());
}

TEST_F(PictureFilesTest, PictureOfManyColoursIsReducedToAClosePalette) {
  QImage picture(64, 32, QImage::Format_RGB32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 8, (x + y) * 2));
  }
  const IndexedPicture indexed = ToIndexed(picture);
  EXPECT_LE(indexed.palette.size(), 256u);
  WriteGif(picture, PathOf("many.gif"));
  const QImage decoded = ReadGif(PathOf("many.gif"));
  ASSERT_EQ(decoded.size(), picture.size());
  int worst = 0;
  long total = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      const QRgb a = picture.pixel(x, y), b = decoded.pixel(x, y);
      const int error = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      worst = std::max(worst, error);
      total += error;
    }
  }
  EXPECT_LE(worst, 96);
  EXPECT_LE(total / (64 * 32), 24);  // giflib sorts colours at 5 bits a channel
}

TEST_F(PictureFilesTest, RefusedFilesReachTheCallerAndLeaveNothingBehind) {
  const QImage picture = DrawnGraph();
  const std::string missing = PathOf("no such folder/graph.gif");
  try {
    WriteGif(picture, missing);
    FAIL() << "no error";
  } catch (const FileAccessError& error) {
    EXPECT_EQ(error.path(), missing);
    EXPECT_EQ(error.operation(), FileAccessError::Operation::Open);
  }
  EXPECT_THROW(WritePng(picture, PathOf("no such folder/graph.png")), FileAccessError);
  // A folder of that name is not a file to write, and must not be removed for the failure.
  fs::create_directory(PathOf("taken.png"));
  EXPECT_THROW(WritePng(picture, PathOf("taken.png")), FileAccessError);
  EXPECT_TRUE(fs::is_directory(PathOf("taken.png")));
  EXPECT_THROW(WriteGif(picture, PathOf("taken.png")), FileAccessError);
  EXPECT_TRUE(fs::is_directory(PathOf("taken.png")));
}

// Issue 10: a picture saved over yesterday's on a disk that fills up leaves yesterday's whole.
TEST_F(PictureFilesTest, AFailedSaveOverAnOldPictureKeepsItAndLeavesNoTemporary) {
  const QImage picture = DrawnGraph();
  for (const auto& write : {WriteGif, WritePng}) {
    WriteGif(QImage(8, 8, QImage::Format_RGB32), PathOf("old"));
    const std::string before = testing::ReadFileBytes(PathOf("old"));
    InjectWriteFault(200, ENOSPC);
    EXPECT_THROW(write(picture, PathOf("old")), FileAccessError);
    ClearWriteFault();
    EXPECT_EQ(testing::ReadFileBytes(PathOf("old")), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
  }
}

}  // namespace
}  // namespace tremora
