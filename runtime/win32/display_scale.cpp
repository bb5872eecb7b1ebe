#include "runtime/win32/display_scale.h"

#include "runtime/units.h"

namespace gavrento::win32 {

namespace {

// Windows 10 (1607) and later.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Null where this Windows lacks the function.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void (*)(), the type any function pointer may be converted to and from without
  // the compiler taking it for a call through the wrong type.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

}  // namespace

int WindowDpi(HWND window) {
  const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi_for_window != nullptr) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  // Before Windows 10 a program aware of the scale sees the screen's resolution here.
  HDC dc = GetDC(window);
  const int dpi = dc == nullptr ? 0 : GetDeviceCaps(dc, LOGPIXELSY);
  if (dc != nullptr) ReleaseDC(window, dc);
  return dpi > 0 ? dpi : kBaseDpi;
}

SIZE OuterSize(int client_width, int client_height, DWORD style, int dpi) {
  const auto adjust_for_dpi =
      User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client_width, client_height};
  const bool adjusted = adjust_for_dpi != nullptr &&
                        adjust_for_dpi(&rect, style, FALSE, 0, static_cast<UINT>(dpi)) != FALSE;
  if (!adjusted) {
    // The frame at the screen's resolution, the only one such a Windows has.
    rect = RECT{0, 0, client_width, client_height};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace gavrento::win32
