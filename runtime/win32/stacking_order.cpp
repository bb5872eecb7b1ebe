#include "runtime/win32/stacking_order.h"

#include "runtime/win32/control_ids.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

std::vector<int> StackingOrder(const WindowRecord& window) {
  std::vector<int> order;
  for (const std::size_t index : TabOrder(window)) {
    if (HasNameLabel(window.controls[index])) order.push_back(NameLabelId(index));
    order.push_back(ControlId(index));
  }
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (!TakesFocus(window.controls[i])) order.push_back(ControlId(i));
  }
  return order;
}

}  // namespace gavrento::win32
