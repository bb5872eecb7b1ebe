// How the reader program under wine reports what it read and what it found: its exit
// statuses, one set for every command; a line of UTF-8 to standard output, as raw bytes;
// a PASS or FAIL line for each check, the failures counted into the command's status.
#pragma once

#include <windows.h>

#include <string>

namespace gavrento::test {

// The exit statuses of every command of the reader.
enum Status : int {
  kDone = 0,         // done, and every check held
  kCheckFailed = 1,  // a check failed: its FAIL line says which
  kUsage = 2,        // a wrong command line
  kNotThere = 3,     // the window, the control or the message box is not there
};

// Raw bytes: the tests compare UTF-8, and a text-mode stream would add carriage returns.
inline void Print(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

// Prints "PASS WHAT" or "FAIL WHAT" and counts the failures for Verdict.
inline int& Failures() {
  static int failures = 0;
  return failures;
}

inline void Check(bool held, const std::string& what) {
  Print((held ? "PASS " : "FAIL ") + what);
  if (!held) ++Failures();
}

// The status of a command made of checks: done when every one held.
inline Status Verdict() {
  return Failures() == 0 ? kDone : kCheckFailed;
}

}  // namespace gavrento::test
