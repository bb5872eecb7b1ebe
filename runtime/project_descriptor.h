// What the program declares about itself; the program entry hands it to the runtime,
// which builds the start-up window from it and serves that window until the end.
#pragma once

#include <string_view>

#include "runtime/control_record.h"
#include "runtime/form.h"

namespace gavrento {

enum class Threading { kSingleThreaded };

struct StartupWindow {
  const WindowRecord* record = nullptr;
  FormFactory create = nullptr;  // the window's own code, bound to the window's controls
};

struct ProjectDescriptor {
  StartupWindow startup;
  int window_count = 1;
  Threading threading = Threading::kSingleThreaded;
  int locale_id = 0;
  std::string_view name;  // shown as the application name and in error reports
  std::string_view description;
  std::string_view executable;
  std::string_view version;
  std::string_view help_file;  // none when empty
  // The installed desktop entry's name, without ".desktop": Wayland desktops know a window
  // only by it, and take its icon and name from that entry.
  std::string_view desktop_entry;
};

}  // namespace gavrento
