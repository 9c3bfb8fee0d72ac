#include "base/Translation.h"

#include <atomic>

namespace tremora {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
}  // namespace

void InstallTranslateFunction(TranslateFunction function) { installed.store(function); }

std::string Translate(const char* context, const char* source) {
  const TranslateFunction function = installed.load();
  return function != nullptr ? function(context, source) : std::string(source);
}

}  // namespace tremora
