#include "graph/GraphPictureExport.h"

#include <QPainter>
#include <QWidget>

#include "base/TextFile.h"
#include "base/Translation.h"
#include "graph/TMyGraph.h"
#include "platform/PictureFiles.h"
#include "record/SaveTargetCheck.h"

namespace tremora {

FileDialogOptions GraphGifDialog() {
  FileDialogOptions dialog;
  dialog.filter = Translate("GraphPictureExport", "GIFﾌｧｲﾙ(*.gif)|*.gif|すべて(*.*)|*.*");
  dialog.overwrite_prompt = true;
  return dialog;
}

void SaveGraphGif(TMyGraph& graph, FileDialogOptions& dialog, const std::string& base_name,
                  const std::string& response, const RecordSet& record) {
  const std::optional<std::string> path =
      ChooseExportFile(dialog, base_name + "rsp" + response + ".gif", ".gif", dialog.initial_folder, record);
  if (!path) return;
  // The next dialog of this graph opens where this GIF went.
  dialog.initial_folder = path->substr(0, path->size() - FileNameOf(*path).size());
  graph.GetCanvas();  // a graph never drawn on saves as white
  WriteExport([&] { WriteGif(graph.Picture(), *path); }, Translate("GraphPictureExport", "GIFファイル保存エラー").c_str());
}

void CopyGraphClientArea(TMyGraph& graph, const QWidget& window) {
  graph.GetCanvas();
  QImage bitmap(graph.width(), graph.height(), QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  const QRect client(0, 0, window.width(), window.height());
  {
    QPainter painter(&bitmap);
    painter.drawImage(client.topLeft(), graph.Picture(), client);
  }
  CurrentPlatform().CopyImageToClipboard(bitmap);
}

}  // namespace tremora
