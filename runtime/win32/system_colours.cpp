#include "runtime/win32/system_colours.h"

#include "runtime/control_record.h"

namespace gavrento::win32 {

// The records' indexes are Windows' own COLOR_ numbers (1 the desktop, 13 the highlight,
// 15 the button face), so they go to GetSysColor as they are.
COLORREF SystemColour(int index) {
  if (index == kDefaultColour) return GetSysColor(COLOR_WINDOWTEXT);
  return GetSysColor(index);
}

// A system brush: owned by Windows, never deleted, and it follows colour changes.
HBRUSH ButtonFaceBrush() {
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace gavrento::win32
