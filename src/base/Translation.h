#pragma once
// Texts a person reads are looked up by the place they belong to (a context such as "TSpect" or
// "KnetFormat") and their Japanese text, the program's first language. The desktop installs Qt's
// translator behind Translate; without one (the batch tool, the core tests) every text reads as
// written. A format string is translated before it is filled, so a translation keeps the source's
// conversions in their order.
//
// The Qt tool that gathers the texts (lupdate) reads Translate(context, text) as Qt's own
// translate(); both arguments must be string literals.

#include <string>

namespace tremora {

using TranslateFunction = std::string (*)(const char* context, const char* source);

// Installed once at start-up, before any thread that formats messages runs; nullptr uninstalls.
void InstallTranslateFunction(TranslateFunction function);

std::string Translate(const char* context, const char* source);

}  // namespace tremora
