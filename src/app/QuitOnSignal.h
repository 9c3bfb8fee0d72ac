#pragma once
// A terminal's Ctrl-C, a closed terminal or the session's end (SIGINT, SIGHUP, SIGTERM) ends the
// event loop as the exit command does, so that the windows and the private folder of unpacked
// bundles are cleaned up on the way out. A signal handler may do next to nothing: it writes one
// byte to a socket that the event loop watches.

class QObject;

namespace tremora {

// Installs the handlers; the watch on the socket lives as long as parent.
void QuitOnTerminationSignals(QObject& parent);

}  // namespace tremora
