#pragma once
// The read-only string grid of the station list windows.

#include <QTableWidget>
#include <initializer_list>
#include <string>

namespace tremora {

class StationGrid : public QTableWidget {
 public:
  StationGrid(QWidget* parent, const QString& name, std::initializer_list<int> column_widths, int row_height);

  // Sets the text of a cell, making the cell when it has none yet.
  void SetCell(int row, int column, const std::string& text);
  std::string Cell(int row, int column) const;
  // Makes row the current row, selected and scrolled into view.
  void SelectRow(int row);
};

}  // namespace tremora
