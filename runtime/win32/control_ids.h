// Every control's Win32 identifier comes from its record's place in the window record, so
// anyone holding the records (the window, its services, the test helper) can name a
// control by its identifier without a table of its own.
#pragma once

#include <cstddef>
#include <string_view>

#include "runtime/control_record.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

// Above the dialog manager's IDOK (1) and IDCANCEL (2), which Enter and Escape send: a
// control with either identifier would be clicked by those keys wherever the focus is.
inline constexpr int kFirstControlId = 100;

constexpr int ControlId(std::size_t record_index) {
  return kFirstControlId + static_cast<int>(record_index);
}

// A text box's name label (stacking_order.h) is identified by its box's record index
// counted from here: far above any control's identifier, so RecordForId finds no record for
// it and nothing takes it for a control, and within the 16 bits WM_COMMAND carries.
inline constexpr int kFirstNameLabelId = 0x4000;

constexpr int NameLabelId(std::size_t record_index) {
  return kFirstNameLabelId + static_cast<int>(record_index);
}

// The record behind an identifier, or none for an identifier that is not a control's.
constexpr const ControlRecord* RecordForId(const WindowRecord& window, int id) {
  const int index = id - kFirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= window.controls.size()) return nullptr;
  return &window.controls[static_cast<std::size_t>(index)];
}

// The identifier of the control with this name, or 0 when the window has none.
inline int IdForName(const WindowRecord& window, std::string_view name) {
  const ControlRecord* record = ControlNamed(window, name);
  if (record == nullptr) return 0;
  return ControlId(static_cast<std::size_t>(record - window.controls.data()));
}

}  // namespace gavrento::win32
