// The window moved to a monitor of another resolution. Windows tells it so with
// WM_DPICHANGED and a suggested rectangle, which no other process can send (the rectangle
// is a pointer), so this program builds the window itself and sends it what Windows would:
// first WM_GETDPISCALEDSIZE, as Windows 10 asks for the size at the new resolution, then
// WM_DPICHANGED with that size where the window is to go. The window must take that place
// and lay out every control, and give it its font, at the new resolution. Runs under wine
// on a display at 96 dots per inch; prints a line per check, exit status 0 when all hold.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/wide_text.h"
#include "tests/windows/print_line.h"
#include "window/supeficie_record.h"

namespace {

using gavrento::PixelBox;

constexpr int kNewDpi = 144;
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

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

int failures = 0;

void Report(bool passed, const std::string& what) {
  gavrento::test::Print((passed ? "PASS " : "FAIL ") + what);
  if (!passed) ++failures;
}

std::string Text(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

void CheckControl(HWND window, const Expected& expected) {
  HWND control =
      GetDlgItem(window, gavrento::win32::IdForName(gavrento::kSupeficie, expected.control));
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  const RECT wanted{expected.box.left, expected.box.top, expected.box.left + expected.box.width,
                    expected.box.top + expected.box.height};
  Report(EqualRect(&rect, &wanted) != FALSE,
         std::string(expected.control) + " at " + Text(rect) + ", wanted " + Text(wanted));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  Report(font.lfHeight == expected.font_height,
         std::string(expected.control) + "'s font " + std::to_string(font.lfHeight) +
             " pixels high, wanted " + std::to_string(expected.font_height));
}

}  // namespace

int wmain() {
  gavrento::win32::FormWindow form(gavrento::kSupeficie);
  if (!form.Create()) {
    Report(false, "the window is created");
    return 1;
  }
  HWND window = form.Handle();
  SIZE size{};
  Report(SendMessageW(window, kGetDpiScaledSize, kNewDpi, reinterpret_cast<LPARAM>(&size)) != 0,
         "the window gives its own size at " + std::to_string(kNewDpi) + " dots per inch");
  RECT suggested{40, 30, 40 + size.cx, 30 + size.cy};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi),
               reinterpret_cast<LPARAM>(&suggested));
  RECT taken{};
  GetWindowRect(window, &taken);
  Report(EqualRect(&taken, &suggested) != FALSE,
         "the window takes the suggested " + Text(suggested) + ": " + Text(taken));
  for (const Expected& expected : kExpected) CheckControl(window, expected);
  return failures == 0 ? 0 : 1;
}
