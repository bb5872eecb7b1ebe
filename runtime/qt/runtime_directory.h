// The session's runtime folder (XDG_RUNTIME_DIR) for Qt.
//
// Qt 6.4 looks for a Flatpak marker in that folder while the application object is made.
// When the variable is unset, as in a shell reached through sudo, su or ssh, Qt prints
// "QStandardPaths: XDG_RUNTIME_DIR not set" and makes /tmp/runtime-<user>, which it leaves
// behind; the program is meant to write nothing and to print nothing that looks like an
// error. Nothing else in the program needs the folder.
#pragma once

namespace gavrento::qt {

// Before the application object exists, and so before any thread of Qt's: with the variable
// unset, names the folder the login manager made for this user (/run/user/<uid>) when there
// is one, as the session would have; otherwise a private runtime folder of the program's own
// (runtime/qt/locked_folder.h), once the folders that earlier runs could not remove are
// gone. The environment is not touched again afterwards: Qt's threads may read it at any
// time.
//
// The private folder goes however the process ends that the program can see: a return from
// main, or exit() (as Qt's X11 platform ends the program when its X server has gone);
// quick_exit (as the program ends at once); SIGTERM, SIGINT, SIGHUP (a timeout, Ctrl+C, a
// logout, a service manager) and SIGABRT (an error Qt reports as fatal), after which the
// process ends by that same signal, so whoever started it sees how it ended. A signal the
// program was started ignoring stays ignored. The next start removes what other endings
// leave.
void SettleRuntimeDirectory();

// Removes the program's private runtime folder, if it made one: for the endings Qt gives
// word of alone (display_connection.h). Safe to call more than once, and from any thread.
void RemovePrivateRuntimeFolder();

}  // namespace gavrento::qt
