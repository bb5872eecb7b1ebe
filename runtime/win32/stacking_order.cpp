#include "runtime/win32/stacking_order.h"

#include "runtime/window_rules.h"

namespace gavrento::win32 {

std::vector<std::size_t> StackingOrder(const WindowRecord& window) {
  std::vector<std::size_t> order = TabOrder(window);
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (!TakesFocus(window.controls[i])) order.push_back(i);
  }
  return order;
}

}  // namespace gavrento::win32
