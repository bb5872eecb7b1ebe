// When the program cannot open its window: with no display to show it on, or a window the
// window system refuses. Nothing else would be shown, so the user is told why in one message,
// and the program ends with one status, on every platform.
#pragma once

#include <string>
#include <string_view>

namespace gavrento {

struct StartFailure {
  std::string text;
  int status = 0;
};

// reason: what the platform said, in its own words; may be empty.
StartFailure WindowNotOpened(std::string_view reason);

}  // namespace gavrento
