// Turns one control record into its child window, placed on the parent.
#pragma once

#include <windows.h>

#include "runtime/control_record.h"

namespace gavrento::win32 {

HWND CreateControl(const ControlRecord& record, int id, HWND parent, HFONT font);

}  // namespace gavrento::win32
