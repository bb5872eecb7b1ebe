// The reader's commands that read Gavrento's window with the ordinary window messages
// (reader.cpp lists them). Positions are the records' at the screen's resolution, which is
// the one the window should have laid itself out at.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/fonts.h"
#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"
#include "tests/windows/reader.h"
#include "window/supeficie_record.h"

namespace gavrento::test {

namespace {

using gavrento::ControlKind;
using gavrento::kSupeficie;
using gavrento::PixelBox;
using gavrento::TwipsToPixels;
using gavrento::win32::Utf8;
using gavrento::win32::Wide;

Status Texts(HWND window) {
  Status status = kDone;
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
Status Focus(HWND window) {
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

Status Point(HWND window, std::string_view name) {
  const ControlRecord* record = ControlNamed(kSupeficie, name);
  if (record == nullptr) return kNotThere;
  const PixelBox box = ControlBox(*record, ScreenDpi());
  POINT centre{box.left + box.width / 2, box.top + box.height / 2};
  ClientToScreen(window, &centre);
  Print(std::to_string(centre.x) + " " + std::to_string(centre.y));
  return kDone;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM /*unused*/) {
  Print(ClassOf(child) + "\t" + TextOf(child));
  return TRUE;
}

Status Dialog(std::wstring_view title) {
  HWND dialog = FindWindowW(nullptr, std::wstring(title).c_str());
  if (dialog == nullptr || dialog == MainWindow()) return kNotThere;
  EnumChildWindows(dialog, &PrintChild, 0);
  return kDone;
}

Status Geometry(HWND window) {
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

Status Lines(HWND window) {
  const int dpi = ScreenDpi();
  for (const gavrento::LineRecord& line : kSupeficie.lines) {
    const int colour = line.colour == gavrento::kDefaultColour ? COLOR_WINDOWTEXT : line.colour;
    PrintPoint(window, line.x1, line.y1, colour, dpi);
    PrintPoint(window, line.x2, line.y2, colour, dpi);
  }
  return kDone;
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

Status Captions(HWND window) {
  const int dpi = ScreenDpi();
  HDC dc = CreateCompatibleDC(nullptr);
  // The window's own fonts are handles of its process and cannot be borrowed: the runtime's
  // font code makes them here, for the record's font at the screen's resolution.
  win32::FontCache fonts(dpi);
  for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
    const gavrento::ControlRecord& record = kSupeficie.controls[i];
    HWND control = GetDlgItem(window, gavrento::win32::ControlId(i));
    if (record.kind == ControlKind::kTextBox || control == nullptr) continue;
    const RECT room = CaptionRoom(control, record.kind == ControlKind::kCommandButton);
    const int width = room.right - room.left;
    HGDIOBJ previous = SelectObject(dc, fonts.FontFor(record.font));
    const std::string extent = CaptionExtent(dc, Wide(TextOf(control)), record.kind, width);
    SelectObject(dc, previous);
    Print(std::string(record.name) + "\t" + std::to_string(room.left) + " " +
          std::to_string(room.top) + " " + std::to_string(width) + " " +
          std::to_string(room.bottom - room.top) + "\t" + extent);
  }
  DeleteDC(dc);
  return kDone;
}

Status Close(HWND window) {
  return PostMessageW(window, WM_CLOSE, 0, 0) ? kDone : kNotThere;
}

Status StandIns() {
  for (const gavrento::FontStandIn& font : gavrento::kFontStandIns) {
    Print(std::string(font.face) + "\t" + std::string(font.stand_in));
  }
  return kDone;
}

}  // namespace

Status ReadControls(std::wstring_view command, std::wstring_view argument) {
  if (command == L"dialog" && !argument.empty()) return Dialog(argument);
  if (command == L"stand-ins") return StandIns();
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
  if (command == L"point" && !argument.empty()) return Point(window, Utf8(argument));
  return kUsage;
}

}  // namespace gavrento::test
