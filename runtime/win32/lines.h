// The window's lines, painted on its own surface under the controls, at the window's
// resolution.
#pragma once

#include <windows.h>

#include <span>

#include "runtime/control_record.h"

namespace gavrento::win32 {

void PaintLines(HDC dc, std::span<const LineRecord> lines, int dpi);

}  // namespace gavrento::win32
