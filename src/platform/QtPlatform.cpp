#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>
#include <optional>

#include "platform/HandlerGuard.h"
#include "platform/InstalledSeam.h"

namespace tremora {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

enum class DialogKind { Open, OpenSeveral, Save };

std::optional<std::vector<std::string>> RunFileDialog(const FileDialogOptions& options, DialogKind kind) {
  const bool save = kind == DialogKind::Save;
  QFileDialog dialog(QApplication::activeWindow(), Q(options.title), Q(options.initial_folder));
  // Qt's own dialog on every desktop: it carries Qt's Japanese texts, a desktop's native one may not.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save                              ? QFileDialog::AnyFile
                     : kind == DialogKind::OpenSeveral ? QFileDialog::ExistingFiles
                                                       : QFileDialog::ExistingFile);
  const QStringList filters = ToQtFilter(options.filter).split(";;", Qt::SkipEmptyParts);
  dialog.setNameFilters(filters);
  if (options.filter_index >= 1 && options.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[options.filter_index - 1]);
  }
  if (!options.default_name.empty()) dialog.selectFile(Q(options.default_name));
  if (!options.default_extension.empty()) dialog.setDefaultSuffix(Q(options.default_extension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwrite_prompt);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  std::vector<std::string> chosen;
  for (const QString& file : dialog.selectedFiles()) chosen.push_back(file.toStdString());
  return chosen;
}

std::optional<std::string> RunSingleFileDialog(const FileDialogOptions& options, DialogKind kind) {
  const std::optional<std::vector<std::string>> chosen = RunFileDialog(options, kind);
  if (!chosen) return std::nullopt;
  return chosen->front();
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    const QString written = QString("(%1)").arg(patterns);
    patterns.replace(';', ' ');
    // Qt filters by the last parenthesised group of an entry, its patterns apart by blanks: a text
    // that already ends with its patterns is used as it stands (their ";" turned into blanks), any
    // other gets them appended.
    const QString own = QString("(%1)").arg(patterns);
    const QString text = parts[i].trimmed();
    if (text.endsWith(own)) {
      entries << parts[i];
    } else if (text.endsWith(written)) {
      entries << text.chopped(written.size()) + own;
    } else {
      entries << QString("%1 %2").arg(parts[i], own);
    }
  }
  return entries.join(";;");
}

MessageAnswer QtPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                      MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), Q(caption), Q(text), QMessageBox::NoButton, QApplication::activeWindow());
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No
                    : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                          : MessageAnswer::Ok;
  }
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const FileDialogOptions& options) {
  return RunSingleFileDialog(options, DialogKind::Open);
}

std::optional<std::vector<std::string>> QtPlatform::ChooseOpenFiles(const FileDialogOptions& options) {
  return RunFileDialog(options, DialogKind::OpenSeveral);
}

std::optional<std::string> QtPlatform::ChooseSaveFile(const FileDialogOptions& options) {
  return RunSingleFileDialog(options, DialogKind::Save);
}

namespace {

// Ends a nested event loop when the watched window is hidden (not when it is only minimised).
class HideWatch : public QObject {
 public:
  explicit HideWatch(QEventLoop& loop) : loop_(loop) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    return AnswerGuarded(
        [&] {
          if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible()) loop_.quit();
          return false;
        },
        false);
  }

 private:
  QEventLoop& loop_;
};

// Holds back the input of every window but the modal one and one readable plot: Qt's own
// modality cannot leave a widget of another window open. Pointer moves pass everywhere.
class InputHold : public QObject {
 public:
  InputHold(QWidget& modal, QWidget& readable) : modal_(modal), readable_(readable) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    return AnswerGuarded(
        [&] {
          switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ContextMenu:
            case QEvent::Shortcut:
              break;
            default:
              return false;
          }
          const auto* widget = qobject_cast<QWidget*>(watched);
          // A menu's or window's shortcut goes to its action: held. A window's own events pass on
          // to its widgets, which are judged here in turn.
          if (widget == nullptr) return event->type() == QEvent::Shortcut;
          return !(Within(modal_, *widget) || Within(readable_, *widget));
        },
        false);
  }

 private:
  static bool Within(const QWidget& outer, const QWidget& widget) {
    return &outer == &widget || outer.isAncestorOf(&widget);
  }
  QWidget& modal_;
  QWidget& readable_;
};

}  // namespace

bool QtPlatform::ShowModal(QWidget& window, QWidget* still_readable) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
    return true;
  }
  // A running event loop, so that the application's end (QCoreApplication::exit, the main
  // window's close) leaves it as it leaves the main loop.
  QEventLoop loop;
  HideWatch watch(loop);
  window.installEventFilter(&watch);
  const Qt::WindowModality previous = window.windowModality();
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  std::optional<InputHold> hold;
  if (still_readable != nullptr) {
    hold.emplace(window, *still_readable);
    QCoreApplication::instance()->installEventFilter(&*hold);
  } else {
    window.setWindowModality(Qt::ApplicationModal);
  }
  window.show();
  if (window.isVisible()) loop.exec(QEventLoop::DialogExec);
  window.removeEventFilter(&watch);
  if (hold) QCoreApplication::instance()->removeEventFilter(&*hold);
  // Still open: the loop was left because the program is ending.
  const bool closed = !window.isVisible();
  window.hide();
  window.setWindowModality(previous);
  return closed;
}

bool QtPlatform::CopyImageToClipboard(const QImage& image) {
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr || image.isNull()) return false;
  clipboard->setImage(image);
  return true;
}

bool QtPlatform::CopyTextToClipboard(const std::string& text) {
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(QString::fromStdString(text));
  return true;
}

bool QtPlatform::OpenUrl(const std::string& url) { return QDesktopServices::openUrl(QUrl(Q(url))); }

void QtPlatform::RequestTerminate() {
  RunDeferred(*qApp, [] { QApplication::exit(0); });
}

void QtPlatform::ShowStandardError(const std::string& text) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), Q(text));
}

namespace {
InstalledSeam<Platform> platform_seam;
}

Platform& CurrentPlatform() {
  static QtPlatform desktop;
  return platform_seam.Current(desktop);
}

Platform* InstallPlatform(Platform* platform) { return platform_seam.Install(platform); }

}  // namespace tremora
