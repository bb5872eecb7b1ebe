// Never run, only inspected by hardening-check: a program with something for every hardening
// flag to act on. Gavrento itself copies only into buffers whose size the compiler cannot know
// and takes no stack space sized at run time, so neither the fortified functions nor the
// stack-clash probes show in it; built with the same options, this shows the flags at work.
#include <alloca.h>

#include <array>
#include <cstdio>
#include <cstring>

int main(int /*argc*/, char** argv) {
  const std::size_t length = std::strlen(argv[0]);
  // A length known only at run time into a buffer of known size: memcpy becomes __memcpy_chk.
  std::array<char, 64> name{};
  std::memcpy(name.data(), argv[0], length);
  // Stack space sized at run time is probed page by page as it is taken.
  auto* scratch = static_cast<char*>(alloca(length + 1));
  std::memcpy(scratch, name.data(), length + 1);
  return std::puts(scratch);
}
