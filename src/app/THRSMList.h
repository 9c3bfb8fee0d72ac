#pragma once
// The station list of the Hiroshima City seismic information network.

#include <QWidget>
#include <vector>

#include "record/StationRecord.h"

class QPushButton;

namespace tremora {

class StationGrid;
class TextLabel;

class THRSMList : public QWidget {
  Q_OBJECT

 public:
  THRSMList();

  // Writes the column header in the current language.
  void FormCreate();
  // Writes a row for each station, growing the grid when the table has more rows than it.
  void WriteStations(const std::vector<StationRecord>& stations);
  void Button1Click();

  TextLabel* Label1 = nullptr;
  // The header row is the grid's column header; row 0 of the grid is the first station.
  StationGrid* StringGrid1 = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  // The column header is written again in the new language.
  void FollowLanguage();
};

}  // namespace tremora
