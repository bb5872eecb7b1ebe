// The session's runtime folder (XDG_RUNTIME_DIR) for the moment Qt looks into it.
//
// Qt 6.4 looks for a Flatpak marker in that folder while the application object is made.
// When the variable is unset, as in a shell reached through sudo, su or ssh, Qt prints
// "QStandardPaths: XDG_RUNTIME_DIR not set" and makes /tmp/runtime-<user>, which it leaves
// behind; the program is meant to write nothing and to print nothing that looks like an
// error. Nothing else in the program needs the folder.
#pragma once

#include <string>

namespace gavrento::qt {

class RuntimeDirectory {
 public:
  // Before the application object. With the variable unset, names the folder the login
  // manager made for this user (/run/user/<uid>) when there is one, as the session would
  // have; otherwise an empty private folder of the program's own, for Qt's look only.
  RuntimeDirectory();
  ~RuntimeDirectory() { ReleaseStandIn(); }
  RuntimeDirectory(const RuntimeDirectory&) = delete;
  RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

  // After the application object: removes the program's own folder, if it made one, and
  // unsets the variable again.
  void ReleaseStandIn();

 private:
  std::string stand_in_;
};

}  // namespace gavrento::qt
