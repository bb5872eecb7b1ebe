// Turns one control record into its child window on the parent. Where it sits and which
// font it has depend on the parent's resolution: the window gives it both when it lays
// itself out.
#pragma once

#include <windows.h>

#include "runtime/control_record.h"

namespace gavrento::win32 {

HWND CreateControl(const ControlRecord& record, int id, HWND parent);

// The hidden static text control that names the record's control for Active Accessibility
// (stacking_order.h): never shown, so it needs no place, font or colour.
HWND CreateNameLabel(const ControlRecord& record, int id, HWND parent);

}  // namespace gavrento::win32
