#pragma once
// The K-NET / KiK-net station list: both sorted tables side by side, with a code search for each.

#include <QWidget>
#include <vector>

#include "record/StationTables.h"

class QPushButton;

namespace tremora {

class EditBox;
class StationGrid;
class TextLabel;

class TSiteList : public QWidget {
  Q_OBJECT

 public:
  TSiteList();

  // Writes both grids and counts from tables, which the searches then look in; tables must live
  // as long as the window (the main window owns them).
  void WriteStations(const StationTables& tables);

  void Button1Click();
  void Button2Click();  // K-NET code search
  void Button3Click();  // KiK-net code search

  StationGrid *StringGrid1 = nullptr, *StringGrid2 = nullptr;
  TextLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  EditBox *Edit1 = nullptr, *Edit2 = nullptr;
  QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;

 protected:
  // The counts are written again in the new language.
  void FollowLanguage();

 private:
  void WriteCounts();
  void Search(const EditBox& edit, StationGrid& grid, const std::vector<StationRecord>& table);

  const StationTables* tables_ = nullptr;
};

}  // namespace tremora
