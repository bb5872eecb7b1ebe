#include "runtime/qt/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstdlib>

namespace gavrento::qt {

namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";

// What the base directory rules ask of a runtime folder, and Qt checks: a directory of this
// user's, closed to everyone else (mode 0700).
bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  constexpr mode_t kPermissionBits = 07777;
  constexpr mode_t kOwnerOnly = 0700;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & kPermissionBits) == kOwnerOnly;
}

}  // namespace

RuntimeDirectory::RuntimeDirectory() {
  const char* value = std::getenv(kVariable);
  if (value != nullptr && *value != '\0') return;

  // The variable is often all a shell reached through su or ssh lost: the session's folder
  // is still there, and with it the session bus that screen readers are reached through.
  const std::string session_folder = "/run/user/" + std::to_string(::geteuid());
  if (IsPrivateFolder(session_folder)) {
    ::setenv(kVariable, session_folder.c_str(), 1);
    return;
  }
  // No session at all (sudo, a container): an empty folder of the program's own, made by
  // mkdtemp with mode 0700 and gone again once the application object exists. Should that
  // fail, Qt falls back to its own folder and says so.
  std::string pattern = QFile::encodeName(QDir::tempPath()).toStdString() + "/gavrento-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return;
  stand_in_ = pattern;
  ::setenv(kVariable, stand_in_.c_str(), 1);
}

void RuntimeDirectory::ReleaseStandIn() {
  if (stand_in_.empty()) return;
  ::unsetenv(kVariable);
  ::rmdir(stand_in_.c_str());
  stand_in_.clear();
}

}  // namespace gavrento::qt
