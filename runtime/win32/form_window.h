// A top-level window built from its record: every control from its own record, the lines
// painted on the window's surface, the buttons' clicks handed to the window's code. It is
// laid out at the resolution of the monitor it is on, and again when it moves to another.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "runtime/control_record.h"
#include "runtime/form.h"
#include "runtime/services.h"
#include "runtime/units.h"
#include "runtime/win32/fonts.h"

namespace gavrento::win32 {

class FormWindow {
 public:
  explicit FormWindow(const WindowRecord& record) : record_(record) {}
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  // Builds the window and its controls, hidden; false when Windows refused any of them.
  bool Create();

  const WindowRecord& Record() const { return record_; }
  HWND Handle() const { return window_; }
  // The control's child window, or null when the record has no control of that name.
  HWND Control(std::string_view name) const;

  // From now on each button's click runs the window's handler through the one dispatch.
  void Bind(Form& form, Services& services);

  void Show(int show_command);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  bool CreateControls();
  void LayOut(int dpi);
  void ChangeDpi(int dpi, const RECT& suggested);
  LRESULT ScaledSize(int dpi, SIZE* size) const;
  void Stack() const;
  void Paint();
  LRESULT LabelColours(HDC dc, HWND control);
  void Command(WPARAM wparam, LPARAM lparam);
  void ClickFocusedButton();
  void Click(const ControlRecord& control);
  void Activate(WPARAM wparam);

  const WindowRecord& record_;
  HWND window_ = nullptr;
  HWND last_focus_ = nullptr;         // given back when the window is activated again
  int dpi_ = kBaseDpi;                // the resolution the window is laid out at
  std::unique_ptr<FontCache> fonts_;  // the controls' fonts at that resolution
  Form* form_ = nullptr;
  Services* services_ = nullptr;
};

}  // namespace gavrento::win32
