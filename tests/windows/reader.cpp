// The tests' one Windows reader: reads Gavrento's window from another process through what
// any Windows program (a screen reader, an automation tool) would use, so the tests see what
// the user sees rather than what the program thinks it shows.
//
//   reader texts          each control: NAME <tab> CLASS <tab> TEXT
//   reader focus          the name of the control with the keyboard focus
//   reader point NAME     the screen point at the centre of the control's record
//   reader dialog TITLE   each child of the top-level window TITLE: CLASS <tab> TEXT
//   reader close          asks the window to close, as its title bar's close does
//   reader geometry       "window X Y W H" and "client X Y W H", on the screen
//   reader lines          both end points of each line record: X Y #RRGGBB
//   reader stand-ins      each face a platform may lack: FACE <tab> STAND-IN
//   reader captions       each label and button: NAME <tab> X Y W H <tab> TW TH LH: the room
//                         its caption has on the screen; the width and height the caption
//                         takes in its font, wrapped at blanks as labels wrap; the height of
//                         one line of that font
//   reader dpi            the screen's dots per inch
//   reader accessibility HEIGHT MAN WOMAN
//                         the window through Active Accessibility, printed as a tree and held
//                         to the records, the three boxes holding the texts given
//   reader dpi-change     a window of the reader's own told it moved to 144 dots per inch
//   reader contrast       the window's pixels: every caption and line held to WCAG AA
//
// The commands made of checks print a PASS or FAIL line for each. Exit statuses, for every
// command: reader_report.h.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/win32/wide_text.h"
#include "tests/windows/reader.h"
#include "window/supeficie_record.h"

namespace gavrento::test {

HWND MainWindow() {
  return FindWindowW(nullptr, win32::Wide(kSupeficie.caption).c_str());
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::string TextOf(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return win32::Utf8(text);
}

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  const int length = GetClassNameW(window, name, 64);
  return win32::Utf8(std::wstring_view(name, static_cast<std::size_t>(length)));
}

RECT CaptionRoom(HWND control, bool is_button) {
  RECT room{};
  GetClientRect(control, &room);
  if (is_button) InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&room), 2);
  return room;
}

}  // namespace gavrento::test

int wmain(int argc, wchar_t** argv) {
  using namespace gavrento::test;
  // Unaware of the scale, the reader would be shown every window's positions and sizes
  // scaled back to 96 dots per inch.
  SetProcessDPIAware();
  const std::wstring_view command = argc > 1 ? argv[1] : L"";
  if (command == L"accessibility" && argc == 5) {
    return ReadAccessibility(gavrento::win32::Utf8(argv[2]), gavrento::win32::Utf8(argv[3]),
                             gavrento::win32::Utf8(argv[4]));
  }
  if (command == L"dpi-change" && argc == 2) return ChangeDpi();
  if (command == L"contrast" && argc == 2) return JudgeContrast();
  if (argc == 2 || argc == 3) return ReadControls(command, argc == 3 ? argv[2] : L"");
  return kUsage;
}
