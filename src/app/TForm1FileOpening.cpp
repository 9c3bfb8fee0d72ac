// Files named outside the open dialog: on the command line at start-up, or dropped on the window.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <fstream>

#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/TextFile.h"
#include "platform/HandlerGuard.h"
#include "platform/Messages.h"
#include "record/Bundle.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"

namespace tremora {

namespace {

constexpr const char* kUnreadableFileMessage = "データファイル %s を開けません";
constexpr const char* kUnknownFormatMessage =
    "%s は K-NET/KiK-net のファイルでも広島市消防局のファイルでもありません\n\nデータを読み込みませんでした";
constexpr const char* kUnknownFormatCaption = "ファイル形式エラー";

// The first dropped item, when it names a local file; empty otherwise. Some applications drop a
// file URL as plain text.
QString FirstLocalFile(const QMimeData& data) {
  QUrl first;
  if (data.hasUrls() && !data.urls().isEmpty()) {
    first = data.urls().first();
  } else if (data.hasText()) {
    first = QUrl(data.text().section('\n', 0, 0).trimmed());
  }
  return first.isLocalFile() ? first.toLocalFile() : QString();
}

}  // namespace

bool TForm1::OpenRecordFile(const std::string& path) {
  if (!FileExists(path) || !std::ifstream(path)) {
    ShowWarning(FormatC(kUnreadableFileMessage, path.c_str()), kDataFileCaption);
    return false;
  }
  if (IsBundleName(path)) return OpenBundleFile(path);
  switch (DetectRecordFormatOfFile(path)) {
    case RecordFormat::Knet:
      KNETClick();
      LoadKnetRecord(path);
      return true;
    case RecordFormat::Hiroshima:
      HiroshimaClick();
      LoadHiroshimaRecord(path);
      return true;
    case RecordFormat::PeerAt2:
      LoadPeerAt2Record({path});
      return true;
    case RecordFormat::JmaCsv:
    case RecordFormat::Unknown: break;
  }
  ShowWarning(FormatC(kUnknownFormatMessage, path.c_str()), kUnknownFormatCaption);
  return false;
}

void TForm1::OpenRecordFileLater(const std::string& path) {
  RunDeferred(*this, [this, path] { OpenRecordFile(path); });
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  RunGuarded([event] {
    if (!FirstLocalFile(*event->mimeData()).isEmpty()) event->acceptProposedAction();
  });
}

void TForm1::dropEvent(QDropEvent* event) {
  RunGuarded([this, event] {
    const QString path = FirstLocalFile(*event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Loaded once the drop has ended: the load's messages and wait window must not hold up the
    // application the file came from.
    OpenRecordFileLater(path.toStdString());
  });
}

}  // namespace tremora
