// The reader's dpi-change command (reader.cpp): the window moved to a monitor of another
// resolution. Windows tells it so with
// WM_DPICHANGED and a suggested rectangle, which no other process can send (the rectangle
// is a pointer), so this program builds the window itself and sends it what Windows would:
// first WM_GETDPISCALEDSIZE, as Windows 10 asks for the size at the new resolution, then
// WM_DPICHANGED with that size where the window is to go. The window must take that place
// and lay out every control, and give it its font, at the new resolution. Runs under wine
// on a display at 96 dots per inch.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/display_scale.h"
#include "runtime/win32/form_window.h"
#include "tests/windows/reader.h"
#include "window/supeficie_record.h"

namespace gavrento::test {

namespace {

constexpr int kNewDpi = 144;

// At 144 dots per inch, worked out by hand from the records: edges on half pixels round up.
struct Expected {
  std::string_view control;
  PixelBox box;
  int font_height;  // negative: a character height
};
constexpr Expected kExpected[] = {
    {"LBLIntestazione", {60, 12, 470, 30}, -28},  // 14.25 points: 28.5 pixels, rounded down
    {"Label4", {132, 84, 362, 26}, -16},          // ends at 493.5 and 109.5: 494 and 110
    {"CmdCalcola", {240, 516, 122, 38}, -19},     // 9.75 points: 19.5 pixels
};

std::string Text(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

void CheckControl(HWND window, const Expected& expected) {
  HWND control = GetDlgItem(window, win32::IdForName(kSupeficie, expected.control));
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  const RECT wanted{expected.box.left, expected.box.top, expected.box.left + expected.box.width,
                    expected.box.top + expected.box.height};
  Check(EqualRect(&rect, &wanted) != FALSE,
        std::string(expected.control) + " at " + Text(rect) + ", wanted " + Text(wanted));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  Check(font.lfHeight == expected.font_height,
        std::string(expected.control) + "'s font " + std::to_string(font.lfHeight) +
            " pixels high, wanted " + std::to_string(expected.font_height));
}

}  // namespace

Status ChangeDpi() {
  win32::FormWindow form(kSupeficie);
  if (!form.Create()) {
    Check(false, "the window is created");
    return Verdict();
  }
  HWND window = form.Handle();
  SIZE size{};
  Check(SendMessageW(window, WM_GETDPISCALEDSIZE, kNewDpi, reinterpret_cast<LPARAM>(&size)) != 0,
        "the window gives its own size at " + std::to_string(kNewDpi) + " dots per inch");
  RECT suggested{40, 30, 40 + size.cx, 30 + size.cy};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi),
               reinterpret_cast<LPARAM>(&suggested));
  RECT taken{};
  GetWindowRect(window, &taken);
  Check(EqualRect(&taken, &suggested) != FALSE,
        "the window takes the suggested " + Text(suggested) + ": " + Text(taken));
  for (const Expected& expected : kExpected) CheckControl(window, expected);
  return Verdict();
}

}  // namespace gavrento::test
