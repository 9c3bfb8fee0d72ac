#pragma once
// The GIF save and the clipboard copy of the enlarged and overlay graphs.

#include <string>

#include "platform/Platform.h"
#include "record/RecordSet.h"

class QWidget;

namespace tremora {

class TMyGraph;

// The save dialogs of both graph windows.
FileDialogOptions GraphGifDialog();

// Asks for a name (preset to base_name, the base name of the record the graph shows, "rsp", the
// response the graph holds if it holds one (SA, SV or SD) and ".gif"; ".gif" added to a name
// without extension) and writes the graph's picture there; a cancel writes nothing, a failed
// write is reported with the file's name. The dialog opens next time in the folder last used, at
// first in that of the record on screen, whose files it refuses.
void SaveGraphGif(TMyGraph& graph, FileDialogOptions& dialog, const std::string& base_name,
                  const std::string& response, const RecordSet& record);

// A bitmap of the graph's size holding the part of its picture that the owning window's client
// area covers, from the top-left corner; put on the clipboard.
void CopyGraphClientArea(TMyGraph& graph, const QWidget& window);

}  // namespace tremora
