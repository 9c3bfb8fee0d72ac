#pragma once
// The one way from Qt's event loop into the program: every signal, deferred call and event handler
// runs through the guard here, so that no exception ever unwinds through Qt's own code. A handler
// run from code (a control set by another handler) is called directly instead, and its errors
// unwind into the handler that set the control.
//
// Outside this file, windows never call QObject::connect, QTimer::singleShot or
// QMetaObject::invokeMethod themselves, and their event overrides put their work inside
// RunGuarded or AnswerGuarded; the GuardedHandlers test checks the sources for it.

#include <QObject>
#include <functional>
#include <type_traits>

namespace tremora {

using Handler = std::function<void()>;

// Runs handler; a ConversionError (or any other error that reaches this far) is shown in the
// platform's standard error box and the handler has stopped. True when it ran to its end.
bool RunGuarded(const Handler& handler);

// For an event filter or handler that answers whether it took the event: handler's answer, or
// if_failed after the error box.
bool AnswerGuarded(const std::function<bool()>& handler, bool if_failed);

// Connects signal of sender to slot through the guard; slot runs while receiver lives. slot takes
// the signal's arguments or none.
template <typename Sender, typename Signal, typename Slot>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, const QObject* receiver, Slot slot) {
  return QObject::connect(sender, signal, receiver, [slot = std::move(slot)](const auto&... arguments) {
    RunGuarded([&] {
      if constexpr (std::is_invocable_v<const Slot&, decltype(arguments)...>) {
        slot(arguments...);
      } else {
        slot();
      }
    });
  });
}

// Runs handler through the guard once the event loop is next free and delay_ms have passed,
// unless context is gone by then.
void RunDeferred(QObject& context, Handler handler, int delay_ms = 0);

}  // namespace tremora
