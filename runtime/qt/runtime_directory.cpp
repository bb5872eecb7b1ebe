#include "runtime/qt/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <array>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

namespace gavrento::qt {

namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";
constexpr std::array kEndingSignals{SIGTERM, SIGINT, SIGHUP};

// The folder the program made, while it exists: one per process. A plain array, as the
// signal handler reads it; emptied by writing its first character only, so a handler that
// runs meanwhile reads either the whole path or none.
std::array<char, PATH_MAX> private_folder{};

// What the base directory rules ask of a runtime folder, and Qt checks: a directory of this
// user's, closed to everyone else (mode 0700).
bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  constexpr mode_t kPermissionBits = 07777;
  constexpr mode_t kOwnerOnly = 0700;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & kPermissionBits) == kOwnerOnly;
}

// Only async-signal-safe calls. SA_RESETHAND has restored the default action on entry, so
// the signal raised again ends the process as soon as the handler returns.
void RemoveAndEndBySignal(int signal_number) {
  if (private_folder[0] != '\0') ::rmdir(private_folder.data());
  ::raise(signal_number);
}

void RemoveFolderOnEndingSignals() {
  struct sigaction handler {};
  handler.sa_handler = &RemoveAndEndBySignal;
  handler.sa_flags = SA_RESETHAND;
  ::sigemptyset(&handler.sa_mask);
  for (const int signal_number : kEndingSignals) {
    struct sigaction previous {};
    if (::sigaction(signal_number, nullptr, &previous) == 0 && previous.sa_handler == SIG_DFL) {
      ::sigaction(signal_number, &handler, nullptr);
    }
  }
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
  // that fail, or the path not fit, Qt falls back to its own folder and says so.
  std::string pattern = QFile::encodeName(QDir::tempPath()).toStdString() + "/gavrento-XXXXXX";
  if (pattern.size() >= private_folder.size() || ::mkdtemp(pattern.data()) == nullptr) return;
  std::memcpy(private_folder.data(), pattern.c_str(), pattern.size() + 1);
  RemoveFolderOnEndingSignals();
  ::setenv(kVariable, pattern.c_str(), 1);
}

void RemovePrivateRuntimeFolder() {
  if (private_folder[0] == '\0') return;
  ::rmdir(private_folder.data());
  private_folder[0] = '\0';
}

}  // namespace gavrento::qt
