#include "app/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/HandlerGuard.h"

namespace tremora {

namespace {

int signal_sockets[2] = {-1, -1};

void WriteSignalByte(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signal_sockets[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals(QObject& parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_sockets) != 0) return;
  auto* notifier = new QSocketNotifier(signal_sockets[1], QSocketNotifier::Read, &parent);
  ConnectGuarded(notifier, &QSocketNotifier::activated, &parent, [] {
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(signal_sockets[1], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction action = {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGHUP, SIGTERM}) ::sigaction(signal, &action, nullptr);
}

}  // namespace tremora
