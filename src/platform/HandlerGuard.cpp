#include "platform/HandlerGuard.h"

#include <exception>

#include "platform/Conversion.h"
#include "platform/Platform.h"

namespace tremora {

void RunGuarded(const Handler& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const ConversionError& error) {
    CurrentPlatform().ShowStandardError(error.what());
  } catch (const std::exception& error) {
    // Handlers report the failures they expect themselves; anything else still must not reach Qt.
    CurrentPlatform().ShowStandardError(error.what());
  } catch (...) {
    CurrentPlatform().ShowStandardError("Unexpected error.");
  }
}

}  // namespace tremora
