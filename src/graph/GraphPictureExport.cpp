#include "graph/GraphPictureExport.h"

#include <QPainter>
#include <QWidget>

#include "graph/TMyGraph.h"
#include "platform/Messages.h"
#include "platform/PictureFiles.h"
#include "record/Errors.h"
#include "record/SaveTargetCheck.h"
#include "record/TextFile.h"

namespace tremora {

namespace {
constexpr const char* kGifFailedCaption = "GIFファイル保存エラー";
}

FileDialogOptions GraphGifDialog() {
  FileDialogOptions dialog;
  dialog.filter = "GIFﾌｧｲﾙ(*.gif)|*.gif|すべて(*.*)|*.*";
  dialog.overwrite_prompt = true;
  return dialog;
}

void SaveGraphGif(TMyGraph& graph, FileDialogOptions& dialog, const RecordSet& record) {
  dialog.default_name = record.RecordBaseName + "rsp.gif";
  const std::optional<std::string> chosen = CurrentPlatform().ChooseSaveFile(dialog);
  if (!chosen) return;
  dialog.initial_folder = chosen->substr(0, chosen->size() - FileNameOf(*chosen).size());
  const std::string path = WithDefaultExtension(*chosen, ".gif");
  if (RefusedAsRecordFile(record, path)) return;
  graph.GetCanvas();  // a graph never drawn on saves as white
  try {
    WriteGif(graph.Picture(), path);
  } catch (const FileAccessError& error) {
    ShowWarning(error.what(), kGifFailedCaption);
  }
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
