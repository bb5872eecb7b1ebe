// The program's side of the page: the JavaScript functions of site/page.js that colour the
// window's elements (written into the page when it was built), take its texts, show the
// message box and end the program. bridge.cpp is the only file that speaks to JavaScript;
// everything it says comes from the records and runtime/.
#pragma once

#include <string>
#include <string_view>

#include "runtime/legible_colour.h"
#include "runtime/message_box.h"

namespace gavrento::web {

void SetInk(std::string_view name, Rgb colour);  // a caption's or a line's colour
void SetFace(Rgb colour);                        // the window's background

// The program has its window: the page runs the presses that waited for it.
void WindowReady();

std::string ElementText(std::string_view name);
void SetElementText(std::string_view name, std::string_view text);
// What screen readers are told; an empty text tells nothing and clears the last.
void Announce(std::string_view text);
std::string BrowserDecimalSeparator();

// Returns when the user has closed the box; the page takes no other input meanwhile.
void ShowMessageBox(std::string_view title, std::string_view text, MessageIcon icon);
// The end of the program: the tab closes where the browser lets it, else the page shows
// ended_text and a link that starts the program again.
void EndPage(std::string_view ended_text, std::string_view start_again);

}  // namespace gavrento::web
