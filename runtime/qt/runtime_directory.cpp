#include "runtime/qt/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <array>
#include <csignal>
#include <cstdlib>
#include <string>

#include "runtime/qt/locked_folder.h"

namespace gavrento::qt {

namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";
constexpr std::array kEndingSignals{SIGTERM, SIGINT, SIGHUP, SIGABRT};

// The folder the program made, while it exists: one per process. Read by the signal handler;
// emptied by writing the first character of its path only, so a handler that runs meanwhile
// reads either the whole path or none.
LockedFolder private_folder;

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
  if (private_folder.folder[0] != '\0') RemoveLockedFolder(private_folder);
  ::raise(signal_number);
}

void RemoveFolderOnEveryEnding() {
  std::atexit(RemovePrivateRuntimeFolder);
  std::at_quick_exit(RemovePrivateRuntimeFolder);
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
  // No session at all (sudo, a container). Should the folder not be made, Qt falls back to
  // its own and says so.
  const std::string temporary_folder = QFile::encodeName(QDir::tempPath()).toStdString();
  RemoveFoldersLeftBehind(temporary_folder);
  if (!MakeLockedFolder(temporary_folder, private_folder)) return;
  RemoveFolderOnEveryEnding();
  ::setenv(kVariable, private_folder.folder.data(), 1);
}

void RemovePrivateRuntimeFolder() {
  if (private_folder.folder[0] == '\0') return;
  RemoveLockedFolder(private_folder);
  private_folder.folder[0] = '\0';
}

}  // namespace gavrento::qt
