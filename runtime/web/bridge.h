// The page's side of the web runtime: the JavaScript functions (site/page.js) that colour
// the elements C++ wrote into the page, show the message box and end the program
// (bridge.cpp, the only file that speaks to JavaScript), and the calls that make the window,
// answered at build time by markup.cpp. Everything they are told comes from the records and
// runtime/.
#pragma once

#include <string>
#include <string_view>

#include "runtime/control_record.h"
#include "runtime/legible_colour.h"
#include "runtime/message_box.h"
#include "runtime/units.h"

namespace gavrento::web {

// A CSS font: family, size in CSS pixels, weight, italic.
struct CssFont {
  std::string_view family;
  int pixels = 0;
  int weight = 0;
  bool italic = false;
};

struct Element {
  ControlKind kind = ControlKind::kLabel;
  std::string_view name;
  std::string_view text;
  std::string_view accessible_name;
  PixelBox box;
  CssFont font;
  Alignment align = Alignment::kLeft;
  int stacking = 0;  // later records are drawn over earlier ones
};

// Made once, at build time: markup.cpp writes these into index.html, where the page finds
// each element by its name.
void MakeWindow(std::string_view caption, PixelBox client, CssFont font);
void MakeElement(const Element& element);
void MakeLine(std::string_view name, PixelBox box);
void Focus(std::string_view name);  // the element focused at start

// At build time into the style sheet, and again by the program for the scheme in force.
void SetInk(std::string_view name, Rgb colour);  // a caption's or a line's colour
void SetFace(Rgb colour);                        // the window's background

// The program has its window: the page runs the presses that waited for it.
void WindowReady();

std::string ElementText(std::string_view name);
void SetElementText(std::string_view name, std::string_view text);
std::string BrowserDecimalSeparator();

// Returns when the user has closed the box; the page takes no other input meanwhile.
void ShowMessageBox(std::string_view title, std::string_view text, MessageIcon icon);
// The end of the program: the tab closes where the browser lets it, else the page shows
// ended_text and a link that starts the program again.
void EndPage(std::string_view ended_text, std::string_view start_again);

}  // namespace gavrento::web
