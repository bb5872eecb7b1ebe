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
// is one, as the session would have; otherwise an empty private folder of the program's own.
// The environment is not touched again afterwards: Qt's threads may read it at any time.
void SettleRuntimeDirectory();

// Removes the program's own folder, if it made one, wherever the program ends. Safe to call
// more than once. A process killed from outside leaves the empty folder in $TMPDIR.
void RemoveRuntimeStandIn();

}  // namespace gavrento::qt
