#pragma once
// The program's icon, drawn in icons/tremora.svg and kept as 32 x 32 and 64 x 64 pictures in the
// program's resources.

#include <QIcon>
#include <QPixmap>
#include <QRect>

#include "platform/HandlerGuard.h"

namespace tremora {

class TextLabel;

// The picture of edge 32 or 64 pixels.
QPixmap ProgramPicture(int edge);
// Both pictures, for title bars and task lists.
QIcon ProgramWindowIcon();

// A label showing picture stretched over geometry that runs on_click when clicked.
TextLabel* MakeClickablePicture(QWidget* parent, const char* name, const QPixmap& picture, const QRect& geometry,
                                Handler on_click);

}  // namespace tremora
