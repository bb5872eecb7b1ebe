// Folders of the program's own in a shared temporary folder, each locked by the program that
// made it for as long as that program runs: flock on a file inside. The kernel lets go of the
// lock however the process ends, killed outright or crashed too, so a folder whose lock can
// be taken belongs to a program that has gone without removing it, and a later start removes
// it. Plain POSIX calls; the removal is safe in a signal handler.
#pragma once

#include <array>
#include <climits>
#include <string>

namespace gavrento::qt {

// Where a folder and its lock file are: plain arrays, as a signal handler reads them.
struct LockedFolder {
  std::array<char, PATH_MAX> folder{};
  std::array<char, PATH_MAX> lock_file{};
};

// Makes <parent>/gavrento-XXXXXX (mode 0700) and in it the lock file (mode 0600, with the
// process id in it), locked until the process ends. False, with nothing made, when it cannot.
bool MakeLockedFolder(const std::string& parent, LockedFolder& made);

// Removes the lock file, then the folder if nothing else is in it. Async-signal-safe.
void RemoveLockedFolder(const LockedFolder& made);

// Removes from parent each folder that a run of the program made there and left, its lock
// free: this user's, named as MakeLockedFolder names them, closed to others, with a lock file
// as the program makes it. Nothing else is touched, nor a folder that holds more.
void RemoveFoldersLeftBehind(const std::string& parent);

}  // namespace gavrento::qt
