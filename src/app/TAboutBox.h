#pragma once
// The version window: icon, product name, version, release date, credits and two links.

#include <QWidget>
#include <string>

class QFrame;

namespace tremora {

class TextLabel;

// Web pages of the version window's links.
struct AboutLinks {
  std::string network = "https://www.kyoshin.bosai.go.jp/";  // the strong-motion networks of the data
  std::string institute = "https://www.bosai.go.jp/";        // the institute that runs them
};

class TAboutBox : public QWidget {
  Q_OBJECT

 public:
  TAboutBox();

  void ProgramIconClick();
  void Label1Click();
  void Label4Click();

  AboutLinks Links;

  QFrame* Panel1 = nullptr;
  TextLabel* ProgramIcon = nullptr;
  TextLabel *ProductName = nullptr, *Version = nullptr, *ReleaseDate = nullptr;
  TextLabel *Comments = nullptr, *Label2 = nullptr, *Label3 = nullptr;
  TextLabel *Label1 = nullptr, *Label4 = nullptr;

 protected:
  // The release date is written again in the new language.
  void FollowLanguage();

 private:
  void WriteReleaseDate();
};

}  // namespace tremora
