#pragma once
// Captions of windows in the language the user chose. A caption is set from its context and
// Japanese source text and remembered on its widget, so that a change of language sets every
// remembered caption of every open window again (RetranslateRemembered). Texts a window composes
// from numbers or records are not remembered: the window composes them again in its
// OnLanguageChange handler.
//
// Tr(context, text) only marks a text for lupdate, as QT_TRANSLATE_NOOP does; both arguments
// must be string literals.

#include <QString>

#include "base/Translation.h"
#include "platform/HandlerGuard.h"

class QAction;
class QWidget;

namespace tremora {

// The text in the current language.
QString Translated(TrText text);

// Label, button, check box, group box or menu caption.
void SetText(QWidget& widget, TrText text);
void SetText(QAction& action, TrText text);
void SetHint(QWidget& widget, TrText text);
void SetTitle(QWidget& window, TrText text);

// Sets every remembered caption of every widget and action again, in the current language.
void RetranslateRemembered();

// Runs handler, through the guard, each time window receives QEvent::LanguageChange (Qt posts one
// to every top-level window when the language changes): for the texts the window composes and the
// pictures it draws. The remembered captions are set again before.
void OnLanguageChange(QWidget& window, Handler handler);

// Puts Qt's translators behind Translate (base/Translation.h).
void InstallQtTranslateFunction();

}  // namespace tremora
