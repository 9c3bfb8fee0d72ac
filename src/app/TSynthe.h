#pragma once
// The synthesis window: the horizontal acceleration of the loaded record along an azimuth, written
// as a new K-NET file. Choose the output file (Button3), then write it (Button1); every write needs
// a new choice.

#include <string>

#include "app/SecondaryWindows.h"
#include "platform/Platform.h"
#include "platform/Translated.h"

class QPushButton;

namespace tremora {

inline constexpr TrText kSynthesisTitle = Tr("TSynthe", "水平成分波形の合成");
// The Japanese title, for callers that look its translation up themselves.
inline constexpr const char* kSynthesisCaption = kSynthesisTitle.source;

class Application;
class EditBox;
class TextLabel;

class TSynthe : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit TSynthe(Application& application);

  // Run by the main window before it shows this window: the default name and the prompt.
  void PrepareForRecord();

  void Edit1Change();
  void Button3Click();
  void Button1Click();
  void Button2Click();

  TextLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  TextLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
  EditBox* Edit1 = nullptr;
  QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
  FileDialogOptions SaveDialog1;
  std::string OutputPath;  // the chosen file, kept until it is written
  std::string LastOutputFolder;  // where the last synthesis of the run was written; empty before

 private:
  void CreateControls();
  // Default file name (the NS file's name, azimuth extension) and extension of the dialog.
  void SetDefaultName();
  // True after a message when path cannot be the output.
  bool RefusedName(const std::string& path, int azimuth);
  // Reports a write that failed; the output file can be chosen again.
  void FailedWrite(const std::string& message);

  Application& application_;
};

}  // namespace tremora
