#include "app/StationGrid.h"

#include <QHeaderView>

namespace tremora {

StationGrid::StationGrid(QWidget* parent, const QString& name, std::initializer_list<int> column_widths,
                         int row_height)
    : QTableWidget(0, static_cast<int>(column_widths.size()), parent) {
  setObjectName(name);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setWordWrap(false);
  // Long texts are cut at the cell edge, as in a plain string grid, not shortened with an ellipsis.
  setTextElideMode(Qt::ElideNone);
  horizontalHeader()->setMinimumSectionSize(1);
  int column = 0;
  for (int width : column_widths) setColumnWidth(column++, width);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(row_height);
  // No fixed rows or columns unless a window asks for a header.
  verticalHeader()->hide();
  horizontalHeader()->hide();
  // The row a search found stays marked while the user types the next search elsewhere.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
}

void StationGrid::SetCell(int row, int column, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (QTableWidgetItem* cell = item(row, column)) {
    cell->setText(value);
  } else {
    setItem(row, column, new QTableWidgetItem(value));
  }
}

std::string StationGrid::Cell(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell != nullptr ? cell->text().toStdString() : std::string();
}

void StationGrid::SelectRow(int row) {
  setCurrentCell(row, 0);
  scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtCenter);
}

}  // namespace tremora
