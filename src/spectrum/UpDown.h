#pragma once
// An up-down control bound to an edit box: two small arrow buttons that step a position between
// a minimum and a maximum (no wrap-around) and show it in the edit box.

#include <QWidget>

#include "platform/HandlerGuard.h"

namespace tremora {

class EditBox;

class UpDown : public QWidget {
 public:
  UpDown(QWidget* parent, const QString& name, EditBox& associate, int minimum, int maximum, int position);
  // Runs after every click on an arrow, also when the position is already at its limit.
  Handler OnClick;
  int Position() const { return position_; }
  // Brought into range and shown in the edit box; no handler runs.
  void SetPosition(int position);
  // A click on the upper (+1) or lower (-1) arrow.
  void Click(int step);

 private:
  // A number typed into the edit box becomes the position; anything else is put back.
  void TakeTypedPosition();

  EditBox& associate_;
  int minimum_;
  int maximum_;
  int position_;
};

}  // namespace tremora
