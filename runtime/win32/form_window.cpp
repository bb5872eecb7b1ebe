#include "runtime/win32/form_window.h"

#include "runtime/units.h"
#include "runtime/win32/control_factory.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/display_scale.h"
#include "runtime/win32/lines.h"
#include "runtime/win32/stacking_order.h"
#include "runtime/win32/system_colours.h"
#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

namespace {

constexpr const wchar_t* kClassName = L"GavrentoForm";
// The icon group the resource script gives the executable.
constexpr int kIconResource = 1;
// A fixed size: no sizing border and no maximize box.
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool RegisterFormClass(WNDPROC procedure, const WindowRecord& record) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hIcon = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
  window_class.hIconSm = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = FaceBrush(record);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The outer size whose client area is the record's size at dpi.
SIZE OuterSizeAt(const WindowRecord& record, int dpi) {
  const PixelBox client = ClientBox(record, dpi);
  return OuterSize(client.width, client.height, kWindowStyle, dpi);
}

}  // namespace

FormWindow::~FormWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

// Windows places the window, on a monitor of its choosing; only then is the resolution
// known that gives the window its size.
bool FormWindow::Create() {
  if (!RegisterFormClass(&FormWindow::Procedure, record_)) return false;
  const std::wstring caption = Wide(record_.caption);
  CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                  nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr || !CreateControls()) return false;
  const int dpi = WindowDpi(window_);
  const SIZE size = OuterSizeAt(record_, dpi);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(dpi);
  Stack();
  return true;
}

bool FormWindow::CreateControls() {
  for (std::size_t i = 0; i < record_.controls.size(); ++i) {
    const ControlRecord& record = record_.controls[i];
    if (CreateControl(record, ControlId(i), window_) == nullptr) return false;
    if (HasNameLabel(record) && CreateNameLabel(record, NameLabelId(i), window_) == nullptr) {
      return false;
    }
  }
  return true;
}

// Every control at its record's box and with its record's font, both at dpi. The old fonts
// are let go only once no control uses them any more.
void FormWindow::LayOut(int dpi) {
  auto fonts = std::make_unique<FontCache>(dpi);
  for (std::size_t i = 0; i < record_.controls.size(); ++i) {
    const ControlRecord& record = record_.controls[i];
    HWND control = GetDlgItem(window_, ControlId(i));
    const PixelBox box = ControlBox(record, dpi);
    SetWindowPos(control, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->FontFor(record.font)), TRUE);
  }
  fonts_ = std::move(fonts);
  dpi_ = dpi;
  InvalidateRect(window_, nullptr, TRUE);  // the lines, at their new places
}

// The window has been moved to a monitor of another resolution. Windows suggests the
// window's new place and size (the records' size there, as ScaledSize answered), so the
// window stays where the user put it, under the pointer as they drag it.
void FormWindow::ChangeDpi(int dpi, const RECT& suggested) {
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(dpi);
}

// Asked before the move: the outer size at the new resolution is the records' client
// size converted there, not the present size scaled, which could be a pixel off.
LRESULT FormWindow::ScaledSize(int dpi, SIZE* size) const {
  *size = OuterSizeAt(record_, dpi);
  return TRUE;
}

// Tab walks the z-order, overlapping labels show the topmost, and a screen reader names a
// text box by the label above it: all three come from it.
void FormWindow::Stack() const {
  HWND above = HWND_TOP;
  for (const int id : StackingOrder(record_)) {
    HWND control = GetDlgItem(window_, id);
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

HWND FormWindow::Control(std::string_view name) const {
  const int id = IdForName(record_, name);
  return id == 0 ? nullptr : GetDlgItem(window_, id);
}

void FormWindow::Bind(Form& form, Services& services) {
  form_ = &form;
  services_ = &services;
}

void FormWindow::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  if (const ControlRecord* first = FirstInTabOrder(record_)) {
    last_focus_ = Control(first->name);
    SetFocus(last_focus_);
  }
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // The last message the window gets: from here on the object has no window to serve.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLORSTATIC:
      return LabelColours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND:
      Command(wparam, lparam);
      return 0;
    case DM_GETDEFID:
      return 0;  // no default button: Enter in a text box clicks nothing
    case WM_ACTIVATE:
      Activate(wparam);
      break;  // Windows' own handling then gives the window the focus

    case WM_SETFOCUS:
      if (last_focus_ != nullptr) SetFocus(last_focus_);
      return 0;
    case WM_DPICHANGED:  // both halves of wparam hold the new resolution
      ChangeDpi(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_GETDPISCALEDSIZE:
      return ScaledSize(static_cast<int>(wparam), reinterpret_cast<SIZE*>(lparam));
    case WM_DESTROY:
      PostQuitMessage(0);  // the last window closed: the program ends with status 0
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void FormWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  PaintLines(dc, record_, dpi_);
  EndPaint(window_, &paint);
}

// Labels are opaque on the window's face, their text in the colour the window's colour rule
// gives them under the user's scheme.
LRESULT FormWindow::LabelColours(HDC dc, HWND control) {
  const ControlRecord* record = RecordForId(record_, GetDlgCtrlID(control));
  if (record == nullptr || record->kind != ControlKind::kLabel) {
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  const Scheme scheme = CurrentScheme();
  SetTextColor(dc, ToColorRef(CaptionColour(record_, *record, scheme)));
  SetBkColor(dc, ToColorRef(FaceColour(record_, scheme)));
  SetBkMode(dc, OPAQUE);
  return reinterpret_cast<LRESULT>(FaceBrush(record_));
}

// The dialog manager turns Enter into IDOK and Escape into IDCANCEL, as no control has a
// default button. Enter on a focused button clicks it, as Space does; anywhere else
// neither key does anything.
void FormWindow::Command(WPARAM wparam, LPARAM lparam) {
  const int id = LOWORD(wparam);
  if (lparam == 0) {
    if (id == IDOK) ClickFocusedButton();
    return;
  }
  if (HIWORD(wparam) != BN_CLICKED) return;
  if (const ControlRecord* record = RecordForId(record_, id)) Click(*record);
}

void FormWindow::ClickFocusedButton() {
  HWND focus = GetFocus();
  if (focus == nullptr || GetParent(focus) != window_) return;
  if (const ControlRecord* record = RecordForId(record_, GetDlgCtrlID(focus))) Click(*record);
}

void FormWindow::Click(const ControlRecord& control) {
  if (form_ == nullptr || !RunsClickHandler(control, *form_)) return;
  DispatchClick(*form_, control.name, *services_);
}

// Windows does not remember a top-level window's focused control; the window does, so
// coming back to it (after a message box, or from another program) finds the focus where
// the user left it.
void FormWindow::Activate(WPARAM wparam) {
  if (LOWORD(wparam) != WA_INACTIVE) return;
  HWND focus = GetFocus();
  if (focus != nullptr && GetParent(focus) == window_) last_focus_ = focus;
}

}  // namespace gavrento::win32
