#pragma once

#include <QMainWindow>

#include "record/RecordSet.h"
#include "record/StationTables.h"

namespace tremora {

// The main window. It owns the record set and the station tables.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  RecordSet Record;
  StationTables Stations;
};

}  // namespace tremora
