#include "platform/Translated.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "base/Translation.h"
#include "platform/Controls.h"

namespace tremora {

namespace {

// Each role a caption can have keeps its context and source text in a property of its own.
constexpr const char* kTextProperty = "tremora_tr_text";
constexpr const char* kHintProperty = "tremora_tr_hint";
constexpr const char* kTitleProperty = "tremora_tr_title";

void Remember(QObject& object, const char* property, TrText text) {
  object.setProperty(property, QByteArray(text.context) + '\0' + QByteArray(text.source));
}

// The remembered text of a role, translated now; false when the object has none.
bool Recall(const QObject& object, const char* property, QString& translated) {
  const QVariant value = object.property(property);
  if (!value.isValid()) return false;
  const QByteArray both = value.toByteArray();
  const qsizetype split = both.indexOf('\0');
  translated = QCoreApplication::translate(both.left(split).constData(), both.mid(split + 1).constData());
  return true;
}

void ApplyText(QWidget& widget, const QString& text) {
  if (auto* label = dynamic_cast<TextLabel*>(&widget)) {
    label->SetCaption(text);
  } else if (auto* plain = qobject_cast<QLabel*>(&widget)) {
    plain->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
    group->setTitle(text);
  } else if (auto* menu = qobject_cast<QMenu*>(&widget)) {
    menu->setTitle(text);
  } else {
    Q_ASSERT_X(false, "SetText", "a widget without a caption");
  }
}

// Watches one window for the language change; a child of the window, so it goes with it.
class LanguageChangeFilter : public QObject {
 public:
  LanguageChangeFilter(QWidget& window, Handler handler) : QObject(&window), handler_(std::move(handler)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return AnswerGuarded(
        [&] {
          if (watched == parent() && event->type() == QEvent::LanguageChange) handler_();
          return false;
        },
        false);
  }

 private:
  Handler handler_;
};

std::string QtTranslate(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

QString Translated(TrText text) {
  return text.source == nullptr ? QString() : QCoreApplication::translate(text.context, text.source);
}

void SetText(QWidget& widget, TrText text) {
  Remember(widget, kTextProperty, text);
  ApplyText(widget, Translated(text));
}

void SetText(QAction& action, TrText text) {
  Remember(action, kTextProperty, text);
  action.setText(Translated(text));
}

void SetHint(QWidget& widget, TrText text) {
  Remember(widget, kHintProperty, text);
  widget.setToolTip(Translated(text));
}

void SetTitle(QWidget& window, TrText text) {
  Remember(window, kTitleProperty, text);
  window.setWindowTitle(Translated(text));
}

void RetranslateRemembered() {
  QString text;
  for (QWidget* widget : QApplication::allWidgets()) {
    if (Recall(*widget, kTextProperty, text)) ApplyText(*widget, text);
    if (Recall(*widget, kHintProperty, text)) widget->setToolTip(text);
    if (Recall(*widget, kTitleProperty, text)) widget->setWindowTitle(text);
    for (QAction* action : widget->actions()) {
      if (Recall(*action, kTextProperty, text)) action->setText(text);
    }
  }
}

void OnLanguageChange(QWidget& window, Handler handler) { new LanguageChangeFilter(window, std::move(handler)); }

void InstallQtTranslateFunction() { InstallTranslateFunction(&QtTranslate); }

}  // namespace tremora
