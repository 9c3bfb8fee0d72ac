#pragma once
// The whole program, started offscreen with a scripted platform: all eleven windows, the station
// tables read from the project's DATA folder.

#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempFolder.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/Controls.h"
#include "platform/ScriptedPlatform.h"
#include "spectrum/TSpect.h"
#include "wave/TMyWave.h"

namespace tremora::testing {

inline std::string SamplePath(const std::string& name) { return std::string(TREMORA_RECORDS_DIR) + "/" + name; }

inline std::string ReadText(const std::filesystem::path& path) { return ReadFileBytes(path.string()); }

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// A fresh folder for files a test writes; removed with everything in it afterwards.
using ScratchFolder = TempFolder;

class ApplicationFixture : public ::testing::Test {
 protected:
  explicit ApplicationFixture(const std::string& data_folder = TREMORA_DATA_DIR)
      : application(data_folder), form(application.Form1()) {}

  // Presses the file button and picks path in the open dialog.
  void PickThroughFileButton(const std::string& path) {
    platform.open_paths.push_back(path);
    form.BtnFile->click();
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform.messages) texts.push_back(message.text);
    return texts;
  }

  // Installed before the windows are created, so start-up messages are recorded too.
  ScriptedPlatform platform;
  Application application;
  TForm1& form;
};

}  // namespace tremora::testing
