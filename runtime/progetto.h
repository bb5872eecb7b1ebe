// The program as the runtime sees it: one window, Supeficie, which is also where it starts.
#pragma once

#include "runtime/project_descriptor.h"
#include "runtime/release.h"
#include "window/supeficie.h"
#include "window/supeficie_record.h"

namespace gavrento {

inline constexpr int kLocaleItaliano = 1040;

inline constexpr ProjectDescriptor kProgetto{
    .startup = {.record = &kSupeficie, .create = &Supeficie::Create},
    .window_count = 1,
    .threading = Threading::kSingleThreaded,
    .locale_id = kLocaleItaliano,
    .name = "Gavrento",
    .description = "Gavrento",
    .executable = "Gavrento",
    .version = GAVRENTO_VERSION,
    .help_file = "",
    .desktop_entry = GAVRENTO_APP_ID,
};

}  // namespace gavrento
