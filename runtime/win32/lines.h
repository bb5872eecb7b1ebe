// The window's lines, painted on its own surface under the controls, at the window's
// resolution, in the colours the window's colour rule gives them.
#pragma once

#include <windows.h>

#include "runtime/control_record.h"

namespace gavrento::win32 {

void PaintLines(HDC dc, const WindowRecord& window, int dpi);

}  // namespace gavrento::win32
