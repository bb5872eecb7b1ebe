#include "runtime/win32/lines.h"

#include "runtime/units.h"
#include "runtime/win32/system_colours.h"

namespace gavrento::win32 {

namespace {

void PaintLine(HDC dc, const LineRecord& line, COLORREF colour, int dpi) {
  HPEN pen = CreatePen(PS_SOLID, LineWidthPixels(dpi), colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  const int x2 = TwipsToPixels(line.x2, dpi);
  const int y2 = TwipsToPixels(line.y2, dpi);
  MoveToEx(dc, TwipsToPixels(line.x1, dpi), TwipsToPixels(line.y1, dpi), nullptr);
  LineTo(dc, x2, y2);
  // LineTo stops one pixel short of its end point, and the records draw both ends: the
  // brackets' corners would otherwise show a gap.
  SetPixel(dc, x2, y2, colour);
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
