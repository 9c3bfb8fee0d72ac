#pragma once
// Every user action reaches its handler through RunGuarded, so that no exception ever unwinds
// through Qt's own code. A handler run from code (a control set by another handler) is called
// directly instead, and its errors unwind into the handler that set the control.

#include <functional>

namespace tremora {

using Handler = std::function<void()>;

// Runs handler; a ConversionError (or any other error that reaches this far) is shown in the
// platform's standard error box and the handler has stopped.
void RunGuarded(const Handler& handler);

}  // namespace tremora
