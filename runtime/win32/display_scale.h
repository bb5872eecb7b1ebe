// The resolution a window is shown at, and the frame around a client area at that
// resolution. Windows 10 answers per window, for the monitor the window is on; Windows 7
// and 8 know one resolution for the whole screen. The newer functions are looked up when
// the program runs, so the one executable starts on all of them.
#pragma once

#include <windows.h>

// Sent by Windows 10 (1703) and later to ask a window its size at another resolution; the
// headers give it only to programs for those versions, and this one starts on Windows 7.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace gavrento::win32 {

// The window's dots per inch: its monitor's where Windows knows that, else the screen's.
int WindowDpi(HWND window);

// The outer size of a window of this style whose client area is client_width by
// client_height pixels, with the frame drawn at dpi.
SIZE OuterSize(int client_width, int client_height, DWORD style, int dpi);

}  // namespace gavrento::win32
