// The user's Windows colours as the colour scheme the window's colour rule reads
// (runtime/legible_colour.h), read when the window is painted, so a scheme the user picks
// (high contrast included) reaches the window unchanged.
#pragma once

#include <windows.h>

#include "runtime/legible_colour.h"

namespace gavrento::win32 {

Scheme CurrentScheme();

COLORREF ToColorRef(Rgb colour);

// The brush the window and its labels are filled with: its record's background colour.
HBRUSH FaceBrush(const WindowRecord& window);

}  // namespace gavrento::win32
