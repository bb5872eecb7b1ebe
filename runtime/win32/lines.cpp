#include "runtime/win32/lines.h"

#include "runtime/win32/system_colours.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

namespace {

void PaintLine(HDC dc, const LineRecord& line, COLORREF colour, int dpi) {
  const PixelLine drawn = LinePixels(line, dpi);
  HPEN pen = CreatePen(PS_SOLID, drawn.width, colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, drawn.x1, drawn.y1, nullptr);
  LineTo(dc, drawn.x2, drawn.y2);
  // LineTo stops one pixel short of its end point, and the records draw both ends: the
  // brackets' corners would otherwise show a gap.
  SetPixel(dc, drawn.x2, drawn.y2, colour);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace

void PaintLines(HDC dc, const WindowRecord& window, int dpi) {
  const Scheme scheme = CurrentScheme();
  for (const LineRecord& line : window.lines) {
    PaintLine(dc, line, ToColorRef(LineColour(window, line, scheme)), dpi);
  }
}

}  // namespace gavrento::win32
