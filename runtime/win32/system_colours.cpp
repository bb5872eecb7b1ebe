#include "runtime/win32/system_colours.h"

namespace gavrento::win32 {

namespace {

Rgb SysColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace

// The records' indexes are Windows' own COLOR_ numbers (1 the desktop, 13 the highlight,
// 15 the button face), so they go to GetSysColor as they are.
Scheme CurrentScheme() {
  return {.desktop = SysColour(COLOR_BACKGROUND),
          .highlight = SysColour(COLOR_HIGHLIGHT),
          .button_face = SysColour(COLOR_BTNFACE),
          .button_text = SysColour(COLOR_BTNTEXT)};
}

COLORREF ToColorRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// A system brush: owned by Windows, never deleted, and it follows colour changes. Its colour
// is the rule's FaceColour, as both read the record's index from the same scheme.
HBRUSH FaceBrush(const WindowRecord& window) {
  return GetSysColorBrush(window.back_colour);
}

}  // namespace gavrento::win32
