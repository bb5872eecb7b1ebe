// The reader program's commands, each in a file of its own, and what they share: finding
// Gavrento's window and asking it, from another process, as any Windows program would.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/windows/reader_report.h"

namespace gavrento::test {

// Gavrento's window, found by its caption; null when it is not there.
HWND MainWindow();

// The screen's dots per inch, as this process sees them: it is aware of the scale, so what
// it sees is what the screen shows.
int ScreenDpi();

// A window's text through WM_GETTEXT (GetWindowText does not ask another process's
// controls), and its class name.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// A label's or button's caption room on the screen: a label may use all of its box, a
// button stays inside its raised edge.
RECT CaptionRoom(HWND control, bool is_button);

// read_controls.cpp: the window read with window messages (reader.cpp lists the commands).
Status ReadControls(std::wstring_view command, std::wstring_view argument);

// read_accessibility.cpp: the window read through Active Accessibility, held to the records,
// the three boxes holding height, man and woman.
Status ReadAccessibility(const std::string& height, const std::string& man,
                         const std::string& woman);

// dpi_change.cpp: a window of this process moved to a monitor at 144 dots per inch.
Status ChangeDpi();

// contrast.cpp: the window's pixels judged by the colour rule's own figures.
Status JudgeContrast();

}  // namespace gavrento::test
