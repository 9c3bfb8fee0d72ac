#pragma once
// Captions of windows in the language the user chose. A caption is set from its context and
// Japanese source text and remembered on its widget, so that a change of language sets every
// remembered caption of every open window again (RetranslateRemembered). Texts a window composes
// from numbers or records are not remembered: the window composes them again when it receives
// QEvent::LanguageChange.
//
// Tr(context, text) only marks a text for lupdate, as QT_TRANSLATE_NOOP does; both arguments
// must be string literals.

#include <QString>

#include "base/Translation.h"

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

// Puts Qt's translators behind Translate (base/Translation.h).
void InstallQtTranslateFunction();

}  // namespace tremora
