// Turns one control record into its child window on the parent. Where it sits and which
// font it has depend on the parent's resolution: the window gives it both when it lays
// itself out.
#pragma once

#include <windows.h>

#include "runtime/control_record.h"

namespace gavrento::win32 {

HWND CreateControl(const ControlRecord& record, int id, HWND parent);

}  // namespace gavrento::win32
