// Reads Gavrento's window from another process, through the same window messages any
// Windows program (a screen reader, an automation tool) would use, so the tests see what
// the user sees rather than what the program thinks it shows.
//
//   read_controls texts          each control: NAME <tab> CLASS <tab> TEXT
//   read_controls focus          the name of the control with the keyboard focus
//   read_controls point NAME     the screen point at the centre of the control's record
//   read_controls dialog TITLE   each child of the top-level window TITLE: CLASS <tab> TEXT
//   read_controls close          asks the window to close, as its title bar's close does
//   read_controls geometry       "window X Y W H" and "client X Y W H", on the screen
//   read_controls lines          both end points of each line record: X Y #RRGGBB
//   read_controls stand-ins      each face a platform may lack: FACE <tab> STAND-IN
//
// Exit status: 0 done, 1 the window (or control) is not there, 2 a wrong command line.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"
#include "window/supeficie_record.h"

namespace {

using gavrento::kSupeficie;
using gavrento::TwipsToPixels;
using gavrento::win32::Utf8;
using gavrento::win32::Wide;

constexpr int kDone = 0;
constexpr int kNotThere = 1;
constexpr int kUsage = 2;

// Raw bytes: the tests compare UTF-8, and a text-mode stream would add carriage returns.
void Print(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

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
  POINT centre{TwipsToPixels(record->left) + TwipsToPixels(record->width) / 2,
               TwipsToPixels(record->top) + TwipsToPixels(record->height) / 2};
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

void PrintPoint(HWND window, int x_twips, int y_twips, int colour) {
  POINT point{TwipsToPixels(x_twips), TwipsToPixels(y_twips)};
  ClientToScreen(window, &point);
  Print(std::to_string(point.x) + " " + std::to_string(point.y) + " " + HexColour(colour));
}

int Lines(HWND window) {
  for (const gavrento::LineRecord& line : kSupeficie.lines) {
    const int colour = line.colour == gavrento::kDefaultColour ? COLOR_WINDOWTEXT : line.colour;
    PrintPoint(window, line.x1, line.y1, colour);
    PrintPoint(window, line.x2, line.y2, colour);
  }
  return kDone;
}

int Close(HWND window) {
  return PostMessageW(window, WM_CLOSE, 0, 0) ? kDone : kNotThere;
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
  HWND window = MainWindow();
  if (window == nullptr) return kNotThere;
  if (command == L"texts") return Texts(window);
  if (command == L"focus") return Focus(window);
  if (command == L"close") return Close(window);
  if (command == L"geometry") return Geometry(window);
  if (command == L"lines") return Lines(window);
  if (command == L"point" && has_argument) return Point(window, Utf8(argument));
  return kUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3) return kUsage;
  return Run(argv[1], argc == 3 ? argv[2] : L"", argc == 3);
}
