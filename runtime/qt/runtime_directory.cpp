#include "runtime/qt/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <string>

namespace gavrento::qt {

namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";

// The folder the program made, while it exists: one per process.
std::string& StandIn() {
  static std::string path;
  return path;
}

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

void SettleRuntimeDirectory() {
  const char* value = std::getenv(kVariable);
  if (value != nullptr && *value != '\0') return;

  // The variable is often all a shell reached through su or ssh lost: the session's folder
  // is still there, and with it the session bus that screen readers are reached through.
  const std::string session_folder = "/run/user/" + std::to_string(::geteuid());
  if (IsPrivateFolder(session_folder)) {
    ::setenv(kVariable, session_folder.c_str(), 1);
    return;
  }
  // No session at all (sudo, a container): mkdtemp makes the folder with mode 0700. Should
  // that fail, Qt falls back to its own folder and says so.
  std::string pattern = QFile::encodeName(QDir::tempPath()).toStdString() + "/gavrento-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return;
  StandIn() = pattern;
  ::setenv(kVariable, pattern.c_str(), 1);
}

void RemoveRuntimeStandIn() {
  std::string& path = StandIn();
  if (path.empty()) return;
  ::rmdir(path.c_str());
  path.clear();
}

}  // namespace gavrento::qt
