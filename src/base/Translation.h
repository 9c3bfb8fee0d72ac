#pragma once
// Texts a person reads are looked up by the place they belong to (a context such as "TSpect" or
// "KnetFormat") and their Japanese text, the program's first language. The desktop installs Qt's
// translator behind Translate; without one (the batch tool, the core tests) every text reads as
// written. A format string is translated before it is filled, so a translation keeps the source's
// conversions in their order.
//
// The Qt tool that gathers the texts (lupdate) reads Translate(context, text) as Qt's own
// translate() and Tr(context, text) as QT_TRANSLATE_NOOP; both arguments must be string literals.

#include <string>

namespace tremora {

using TranslateFunction = std::string (*)(const char* context, const char* source);

// Installed once at start-up, before any thread that formats messages runs; nullptr uninstalls.
void InstallTranslateFunction(TranslateFunction function);

std::string Translate(const char* context, const char* source);

// A text marked for translation where it is written and translated where it is shown.
struct TrText {
  const char* context = nullptr;
  const char* source = nullptr;  // nullptr: no text
};

constexpr TrText Tr(const char* context, const char* source) { return TrText{context, source}; }

// A message of the core kept in a constant (a caption, a message shared by several windows): it
// reads in the language of the moment it becomes a std::string, that is, when it is shown.
struct CoreMessage {
  TrText text;
  // Implicit, so that the constant stands wherever a message is expected.
  operator std::string() const { return Now(); }
  // The text in the current language (a format string for FormatC).
  std::string Now() const { return Translate(text.context, text.source); }
};

// A caption composed from a message ("NS " + the quantity's name).
inline std::string operator+(const std::string& text, const CoreMessage& message) { return text + message.Now(); }

}  // namespace tremora
