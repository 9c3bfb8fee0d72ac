// Files named outside the open dialog (on the command line at start-up, dropped on the window, or
// chosen from the recent files), and the format check of a file picked in it.

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <fstream>

#include "app/TForm1.h"
#include "base/CNumbers.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "platform/Controls.h"
#include "platform/HandlerGuard.h"
#include "platform/RememberedState.h"
#include "platform/Messages.h"
#include "record/Bundle.h"
#include "record/FormatDetection.h"
#include "record/KnetLoading.h"

namespace tremora {

namespace {

// A path as a menu item's text: an ampersand would mark a shortcut.
QString MenuText(const std::string& path) { return QString::fromStdString(path).replace('&', "&&"); }

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
    ShowWarning(FormatC(Translate("TForm1", "データファイル %s を開けません").c_str(), path.c_str()), kDataFileCaption);
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
    case RecordFormat::JmaCsv:
      // Neither item of the format menu: the K-NET load tells it by its content.
      LoadKnetRecord(path);
      return true;
    case RecordFormat::PeerAt2:
      LoadPeerAt2Record({path});
      return true;
    case RecordFormat::Unknown: break;
  }
  ShowWarning(FormatC(Translate("TForm1", "%s は K-NET/KiK-net のファイルでも広島市消防局のファイルでもありません\n\n"
                                          "データを読み込みませんでした")
                          .c_str(),
                      path.c_str()),
              Translate("TForm1", "ファイル形式エラー"));
  return false;
}

bool TForm1::OfferDetectedFormat(const std::string& picked) {
  if (IsBundleName(picked)) return false;
  const RecordFormat found = DetectRecordFormatOfFile(picked);
  const bool hiroshima_chosen = Hiroshima->isChecked();
  const bool other = hiroshima_chosen ? found == RecordFormat::Knet : found == RecordFormat::Hiroshima;
  if (!other) return false;
  // The format as a sentence names it, and as its menu item does.
  const std::string name = hiroshima_chosen ? Translate("TForm1", " K-NET/KiK-net ") : Translate("TForm1", "広島市消防局");
  const std::string item = (hiroshima_chosen ? KNET : Hiroshima)->text().toStdString();
  const std::string text = FormatC(Translate("TForm1", "%s は%sのファイルです\n\n%sとして開きますか？").c_str(),
                                   picked.c_str(), name.c_str(), item.c_str());
  const MessageAnswer answer = CurrentPlatform().ShowMessage(text, Translate("TForm1", "ファイル形式の確認"),
                                                             MessageButtons::YesNo, MessageIcon::Question);
  // No: nothing is loaded; read as the other format it would only be refused.
  if (answer != MessageAnswer::Yes) return true;
  if (hiroshima_chosen) {
    KNETClick();
    LoadKnetRecord(picked);
  } else {
    HiroshimaClick();
    LoadHiroshimaRecord(picked);
  }
  return true;
}

void TForm1::RememberOpened(const std::string& path) {
  AddRecentFile(RecentFiles, path);
  FillRecentMenu();
}

void TForm1::FillRecentMenu() {
  // The item chosen may be the one whose handler is running: the old items go once it has returned.
  for (QAction* item : Recent1->actions()) {
    Recent1->removeAction(item);
    item->deleteLater();
  }
  if (RecentFiles.empty()) Recent1->addAction(Translated(Tr("TForm1", "（なし）")))->setEnabled(false);
  for (size_t i = 0; i < RecentFiles.size(); ++i) {
    const std::string path = RecentFiles[i];
    QAction* item = Recent1->addAction(QString("&%1 ").arg((i + 1) % 10) + MenuText(path));
    item->setObjectName(QString("Recent%1").arg(i + 1));
    // A file that is gone stays listed, greyed, with its path.
    item->setEnabled(FileExists(path));
    ConnectTriggered(*item, [this, path] { OpenRecordFile(path); });
  }
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
