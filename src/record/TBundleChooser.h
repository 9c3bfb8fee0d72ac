#pragma once
// The station chooser of a download bundle: one row a record of the bundle, sortable by every
// column, with a search box; a double click or Enter on a row has the main window load that
// record, and the window stays open for the next one. Opening another bundle replaces the rows.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "record/BundleListing.h"

class QPushButton;

namespace tremora {

class EditBox;
class StationGrid;
class TextLabel;

class TBundleChooser : public QWidget {
  Q_OBJECT

 public:
  TBundleChooser();

  // Shows the rows of the bundle at bundle_path in place of any earlier ones, in the order last
  // chosen by a column header (the bundle's own order before any).
  void ShowRecords(const std::string& bundle_path, std::vector<BundleRow> rows);
  // Runs with the index in Bundle::records of the row the user chose.
  std::function<void(int record)> OnChoose;

  void Button1Click();  // close
  void Button2Click();  // search
  // Has the current row's record loaded (a double click on a row, or Enter).
  void StringGrid1DblClick();
  // A header click: a new column sorts ascending, the same column again reverses its order.
  void SortBy(BundleColumn column);

  // The rows as shown, top to bottom.
  const std::vector<BundleRow>& Rows() const { return rows_; }

  StationGrid* StringGrid1 = nullptr;
  TextLabel *Label1 = nullptr, *Label2 = nullptr;
  EditBox* Edit1 = nullptr;
  QPushButton *Button1 = nullptr, *Button2 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Writes the headers, the networks, the title and the count again in the new language.
  void FollowLanguage();

 private:
  void WriteRows();
  void WriteHeaders();
  // The title, with the bundle's name and the count of records once there are rows.
  void WriteComposedTexts();

  std::string bundle_name_;
  std::vector<BundleRow> rows_;
  std::optional<BundleColumn> sort_column_;
  bool ascending_ = true;
};

}  // namespace tremora
