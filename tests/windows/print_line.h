// How the test helpers under wine print: a line of UTF-8 to standard output, as raw bytes.
#pragma once

#include <windows.h>

#include <string>

namespace gavrento::test {

// Raw bytes: the tests compare UTF-8, and a text-mode stream would add carriage returns.
inline void Print(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

}  // namespace gavrento::test
