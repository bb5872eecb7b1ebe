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
// is one, as the session would have; otherwise an empty private runtime folder of the
// program's own (runtime/qt/locked_folder.h), once the folders that earlier runs could not
// remove are gone. The environment is not touched again afterwards: Qt's threads may read
// it at any time.
//
// Ended by SIGTERM, SIGINT or SIGHUP (timeout, Ctrl+C, a logout, a service manager), the
// program removes its private runtime folder and then ends by that same signal, so whoever
// started it sees how it ended. A signal the program was started ignoring stays ignored.
void SettleRuntimeDirectory();

// Removes the program's private runtime folder, if it made one, wherever the program ends.
// Safe to call more than once. What a process killed outright (SIGKILL) leaves, the next
// start removes.
void RemovePrivateRuntimeFolder();

}  // namespace gavrento::qt
