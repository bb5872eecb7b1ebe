// Reads Gavrento's window from another process, through the same window messages any
// Windows program (a screen reader, an automation tool) would use, so the tests see what
// the user sees rather than what the program thinks it shows.
//
//   read_controls texts          each control: NAME <tab> CLASS <tab> TEXT
//   read_controls records        the same as the records say it must be at the start: the
//                                Windows class of each record's kind, its caption
//   read_controls focus          the name of the control with the keyboard focus
//   read_controls point NAME     the screen point at the centre of the control's record
//   read_controls dialog TITLE   each child of the top-level window TITLE: CLASS <tab> TEXT
//   read_controls close          asks the window to close, as its title bar's close does
//   read_controls geometry       "window X Y W H" and "client X Y W H", on the screen
//   read_controls lines          both end points of each line record: X Y #RRGGBB
//   read_controls stand-ins      each face a platform may lack: FACE <tab> STAND-IN
//   read_controls captions       each label and button: NAME <tab> X Y W H <tab> TW TH LH:
//                                the room its caption has on the screen; the width and
//                                height the caption takes in its font, wrapped at blanks as
//                                labels wrap; the height of one line of that font
//   read_controls dpi            the screen's dots per inch
//
// Positions are the records' at the screen's resolution, which is the one the window should
// have laid itself out at; this helper itself sees the screen unscaled, in its pixels.
// Exit status: 0 done, 1 the window (or control) is not there, 2 a wrong command line.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"
#include "tests/windows/print_line.h"
#include "window/supeficie_record.h"

namespace {

using gavrento::BoxToPixels;
using gavrento::ControlKind;
using gavrento::kSupeficie;
using gavrento::PixelBox;
using gavrento::TwipsToPixels;
using gavrento::test::Print;
using gavrento::win32::Utf8;
using gavrento::win32::Wide;

constexpr int kDone = 0;
constexpr int kNotThere = 1;
constexpr int kUsage = 2;

// WM_GETTEXT rather than GetWindowText, which does not ask another process's controls.
std::string TextOf(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return Utf8(text);
}

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  const int length = GetClassNameW(window, name, 64);
  return Utf8(std::wstring_view(name, static_cast<std::size_t>(length)));
}

// The tests set the resolution in the registry before wine starts; this process is aware
// of it, so what it sees is what the screen shows.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

HWND MainWindow() {
  return FindWindowW(nullptr, Wide(kSupeficie.caption).c_str());
}

int Texts(HWND window) {
  int status = kDone;
  for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
    const std::string name(kSupeficie.controls[i].name);
    HWND control = GetDlgItem(window, gavrento::win32::ControlId(i));
    if (control == nullptr) {
      Print(name + "\t-\t");
      status = kNotThere;
      continue;
    }
    Print(name + "\t" + ClassOf(control) + "\t" + TextOf(control));
  }
  return status;
}

// The focus of the window's thread, whichever window is in front on the screen.
int Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return kNotThere;
  if (info.hwndFocus == nullptr) {
    Print("-");
  } else if (GetParent(info.hwndFocus) != window) {
    Print("other:" + ClassOf(info.hwndFocus));
  } else if (const auto* record =
                 gavrento::win32::RecordForId(kSupeficie, GetDlgCtrlID(info.hwndFocus))) {
    Print(std::string(record->name));
  } else {
    Print("unknown");
  }
  return kDone;
}

int Point(HWND window, std::string_view name) {
  const int id = gavrento::win32::IdForName(kSupeficie, name);
  const auto* record = gavrento::win32::RecordForId(kSupeficie, id);
  if (record == nullptr) return kNotThere;
  const PixelBox box =
      BoxToPixels(record->left, record->top, record->width, record->height, ScreenDpi());
  POINT centre{box.left + box.width / 2, box.top + box.height / 2};
  ClientToScreen(window, &centre);
  Print(std::to_string(centre.x) + " " + std::to_string(centre.y));
  return kDone;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM /*unused*/) {
  Print(ClassOf(child) + "\t" + TextOf(child));
  return TRUE;
}

int Dialog(std::wstring_view title) {
  HWND dialog = FindWindowW(nullptr, std::wstring(title).c_str());
  if (dialog == nullptr || dialog == MainWindow()) return kNotThere;
  EnumChildWindows(dialog, &PrintChild, 0);
  return kDone;
}

int Geometry(HWND window) {
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Print("window " + std::to_string(outer.left) + " " + std::to_string(outer.top) + " " +
        std::to_string(outer.right - outer.left) + " " + std::to_string(outer.bottom - outer.top));
  Print("client " + std::to_string(origin.x) + " " + std::to_string(origin.y) + " " +
        std::to_string(client.right) + " " + std::to_string(client.bottom));
  return kDone;
}

// The colour as an image tool names it, from the user's system colours.
std::string HexColour(int index) {
  const COLORREF colour = GetSysColor(index);
  char text[8];
  wsprintfA(text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

void PrintPoint(HWND window, int x_twips, int y_twips, int colour, int dpi) {
  POINT point{TwipsToPixels(x_twips, dpi), TwipsToPixels(y_twips, dpi)};
  ClientToScreen(window, &point);
  Print(std::to_string(point.x) + " " + std::to_string(point.y) + " " + HexColour(colour));
}

int Lines(HWND window) {
  const int dpi = ScreenDpi();
  for (const gavrento::LineRecord& line : kSupeficie.lines) {
    const int colour = line.colour == gavrento::kDefaultColour ? COLOR_WINDOWTEXT : line.colour;
    PrintPoint(window, line.x1, line.y1, colour, dpi);
    PrintPoint(window, line.x2, line.y2, colour, dpi);
  }
  return kDone;
}

// A label's caption may use all of its box; a button's stays inside its raised edge.
RECT CaptionRoom(HWND control, ControlKind kind) {
  RECT room{};
  GetClientRect(control, &room);
  if (kind == ControlKind::kCommandButton) {
    InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  }
  return room;
}

// The caption laid out as the control lays it out: a label wraps at blanks within its
// width, a button keeps its caption on one line.
std::string CaptionExtent(HDC dc, const std::wstring& caption, ControlKind kind, int width) {
  RECT extent{0, 0, width, 0};
  const UINT lines = kind == ControlKind::kLabel ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &extent,
            DT_CALCRECT | DT_NOPREFIX | lines);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return std::to_string(extent.right - extent.left) + " " +
         std::to_string(extent.bottom - extent.top) + " " + std::to_string(metrics.tmHeight);
}

// The font a record asks for, at the size units.h gives it at dpi. It is made here: a font
// is a handle of the process that made it, so the window's own cannot be borrowed, and
// it is the window's code that is being checked.
HFONT RecordFont(const gavrento::FontDescriptor& font, int dpi) {
  return CreateFontW(-gavrento::PointsToPixels(font.size, dpi), 0, 0, 0, font.weight,
                     font.italic ? TRUE : FALSE, FALSE, FALSE, static_cast<DWORD>(font.charset),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
}

int Captions(HWND window) {
  const int dpi = ScreenDpi();
  HDC dc = CreateCompatibleDC(nullptr);
  for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
    const gavrento::ControlRecord& record = kSupeficie.controls[i];
    HWND control = GetDlgItem(window, gavrento::win32::ControlId(i));
    if (record.kind == ControlKind::kTextBox || control == nullptr) continue;
    RECT room = CaptionRoom(control, record.kind);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&room), 2);
    const int width = room.right - room.left;
    HFONT font = RecordFont(record.font, dpi);
    HGDIOBJ previous = SelectObject(dc, font);
    const std::string extent = CaptionExtent(dc, Wide(TextOf(control)), record.kind, width);
    SelectObject(dc, previous);
    DeleteObject(font);
    Print(std::string(record.name) + "\t" + std::to_string(room.left) + " " +
          std::to_string(room.top) + " " + std::to_string(width) + " " +
          std::to_string(room.bottom - room.top) + "\t" + extent);
  }
  DeleteDC(dc);
  return kDone;
}

int Close(HWND window) {
  return PostMessageW(window, WM_CLOSE, 0, 0) ? kDone : kNotThere;
}

// Labels are static controls, text boxes edit controls, buttons button controls.
std::string ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::kTextBox:
      return "Edit";
    case ControlKind::kCommandButton:
      return "Button";
    case ControlKind::kLabel:
      break;
  }
  return "Static";
}

int Records() {
  for (const gavrento::ControlRecord& record : kSupeficie.controls) {
    Print(std::string(record.name) + "\t" + ClassFor(record.kind) + "\t" +
          std::string(record.caption));
  }
  return kDone;
}

int StandIns() {
  for (const gavrento::FontStandIn& font : gavrento::kFontStandIns) {
    Print(std::string(font.face) + "\t" + std::string(font.stand_in));
  }
  return kDone;
}

int Run(std::wstring_view command, std::wstring_view argument, bool has_argument) {
  if (command == L"dialog" && has_argument) return Dialog(argument);
  if (command == L"stand-ins") return StandIns();
  if (command == L"records") return Records();
  if (command == L"dpi") {
    Print(std::to_string(ScreenDpi()));
    return kDone;
  }
  HWND window = MainWindow();
  if (window == nullptr) return kNotThere;
  if (command == L"texts") return Texts(window);
  if (command == L"focus") return Focus(window);
  if (command == L"close") return Close(window);
  if (command == L"geometry") return Geometry(window);
  if (command == L"lines") return Lines(window);
  if (command == L"captions") return Captions(window);
  if (command == L"point" && has_argument) return Point(window, Utf8(argument));
  return kUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3) return kUsage;
  // Unaware of the scale, this helper would be shown every window's positions and sizes
  // scaled back to 96 dots per inch.
  SetProcessDPIAware();
  return Run(argv[1], argc == 3 ? argv[2] : L"", argc == 3);
}
