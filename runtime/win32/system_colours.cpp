#include "runtime/win32/system_colours.h"

#include "runtime/control_record.h"

namespace gavrento::win32 {

namespace {

Rgb ToRgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF ToColorRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

// The records' indexes are Windows' own COLOR_ numbers (1 the desktop, 13 the highlight,
// 15 the button face), so they go to GetSysColor as they are.
COLORREF SystemColour(int index) {
  if (index == kDefaultColour) return GetSysColor(COLOR_WINDOWTEXT);
  return GetSysColor(index);
}

COLORREF InkColour(int index, Ink ink) {
  return ToColorRef(LegibleColour(ToRgb(SystemColour(index)), ToRgb(GetSysColor(COLOR_BTNFACE)),
                                  ToRgb(GetSysColor(COLOR_BTNTEXT)), ink));
}

// A system brush: owned by Windows, never deleted, and it follows colour changes.
HBRUSH ButtonFaceBrush() {
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace gavrento::win32
