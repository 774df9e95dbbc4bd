#pragma once

class QWidget;

namespace quorrin {

// Turns the end of the user's session into a close request of the main window, so that a log-off runs the
// same saving as the close box and never shows up at the next start as a crash. The session manager's request
// to save comes through Qt; on Linux the end of a session may also come only as SIGTERM or SIGHUP (or Ctrl+C
// as SIGINT), which are caught here.
void closeOnSessionEnd(QWidget& mainWindow);

} // namespace quorrin
