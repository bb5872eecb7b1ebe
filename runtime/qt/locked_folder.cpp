#include "runtime/qt/locked_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace gavrento::qt {

namespace {

constexpr std::string_view kPrefix = "gavrento-";
constexpr std::string_view kUnique = "XXXXXX";  // mkdtemp puts six letters or digits here
constexpr std::string_view kLockFile = "lock";
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kLockFileMode = 0600;

bool IsFolderName(std::string_view name) {
  if (name.size() != kPrefix.size() + kUnique.size() || !name.starts_with(kPrefix)) return false;
  name.remove_prefix(kPrefix.size());
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

bool IsOwn(const struct stat& info, mode_t type, mode_t mode) {
  return (info.st_mode & S_IFMT) == type && info.st_uid == ::geteuid() &&
         (info.st_mode & kPermissionBits) == mode;
}

// The maker writes its process id only once it holds the lock, so a free lock file that is
// still empty is one whose maker is about to take it.
bool IsLockFileOfARun(int lock) {
  struct stat info {};
  return ::fstat(lock, &info) == 0 && IsOwn(info, S_IFREG, kLockFileMode) && info.st_nlink == 1 &&
         info.st_size > 0;
}

bool WriteProcessId(int file) {
  std::array<char, 24> text{};
  char* end = std::to_chars(text.data(), text.data() + text.size() - 1, ::getpid()).ptr;
  *end++ = '\n';
  const ssize_t size = end - text.data();
  return ::write(file, text.data(), size) == size;
}

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

void RemoveIfLeftBehind(int parent, const char* name) {
  const Descriptor folder(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (folder.get() < 0 || ::fstat(folder.get(), &info) != 0 || !IsOwn(info, S_IFDIR, kFolderMode))
    return;
  // Not blocking: a pipe by that name would hold the start up.
  const Descriptor lock(
      ::openat(folder.get(), kLockFile.data(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (lock.get() < 0 || !IsLockFileOfARun(lock.get())) return;
  if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0 || !IsLockFileOfARun(lock.get())) return;
  ::unlinkat(folder.get(), kLockFile.data(), 0);
  ::unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace

bool MakeLockedFolder(const std::string& parent, LockedFolder& made) {
  std::string folder = parent;
  folder.append("/").append(kPrefix).append(kUnique);
  if (folder.size() + 1 + kLockFile.size() >= made.lock_file.size()) return false;
  if (::mkdtemp(folder.data()) == nullptr) return false;
  std::string lock_file = folder;
  lock_file.append("/").append(kLockFile);
  const int lock = ::open(lock_file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kLockFileMode);
  // Waiting for the lock, as a start clearing old folders may hold it for a moment, to find
  // the file still empty.
  if (lock < 0 || ::fchmod(lock, kLockFileMode) != 0 || ::flock(lock, LOCK_EX) != 0 ||
      !WriteProcessId(lock)) {
    if (lock >= 0) ::close(lock);
    ::unlink(lock_file.c_str());
    ::rmdir(folder.c_str());
    return false;
  }
  // The descriptor stays open, and the lock held, until the process ends.
  std::memcpy(made.folder.data(), folder.c_str(), folder.size() + 1);
  std::memcpy(made.lock_file.data(), lock_file.c_str(), lock_file.size() + 1);
  return true;
}

void RemoveLockedFolder(const LockedFolder& made) {
  ::unlink(made.lock_file.data());
  ::rmdir(made.folder.data());
}

void RemoveFoldersLeftBehind(const std::string& parent) {
  DIR* entries = ::opendir(parent.c_str());
  if (entries == nullptr) return;
  while (const dirent* entry = ::readdir(entries)) {
    if (IsFolderName(entry->d_name)) RemoveIfLeftBehind(::dirfd(entries), entry->d_name);
  }
  ::closedir(entries);
}

}  // namespace gavrento::qt
