// The order the controls are stacked in, which on Win32 is also the order Tab walks the
// focusable ones, and where Active Accessibility looks for the name of a text box.
#pragma once

#include <vector>

#include "runtime/control_record.h"

namespace gavrento::win32 {

// Active Accessibility names a button or a label by its own text. A text box's text is its
// value, so it names an edit control by the static text control just above it in the
// z-order (the one before it in a dialog's tab order). Each text box gets such a label of
// its own: hidden, so it neither paints nor covers anything, and not a tab stop, so Tab
// passes it by, carrying the box's accessible name.
constexpr bool HasNameLabel(const ControlRecord& record) {
  return record.kind == ControlKind::kTextBox;
}

// Control identifiers (control_ids.h), top of the z-order first: the focusable controls by
// rising tab index, each text box just under its name label; then the labels, later records
// above earlier ones, as labels may overlap.
std::vector<int> StackingOrder(const WindowRecord& window);

}  // namespace gavrento::win32
