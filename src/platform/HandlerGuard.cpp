#include "platform/HandlerGuard.h"

#include <QTimer>
#include <exception>

#include "platform/Conversion.h"
#include "platform/Platform.h"

namespace tremora {

bool RunGuarded(const Handler& handler) {
  if (!handler) return true;
  try {
    handler();
    return true;
  } catch (const ConversionError& error) {
    CurrentPlatform().ShowStandardError(error.what());
  } catch (const std::exception& error) {
    // Handlers report the failures they expect themselves; anything else still must not reach Qt.
    CurrentPlatform().ShowStandardError(error.what());
  } catch (...) {
    CurrentPlatform().ShowStandardError("Unexpected error.");
  }
  return false;
}

bool AnswerGuarded(const std::function<bool()>& handler, bool if_failed) {
  bool answer = if_failed;
  if (!RunGuarded([&] { answer = handler(); })) return if_failed;
  return answer;
}

void RunDeferred(QObject& context, Handler handler, int delay_ms) {
  QTimer::singleShot(delay_ms, &context, [handler = std::move(handler)] { RunGuarded(handler); });
}

}  // namespace tremora
