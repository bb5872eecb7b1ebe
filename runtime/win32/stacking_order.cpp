#include "runtime/win32/stacking_order.h"

#include <algorithm>

namespace gavrento::win32 {

namespace {

std::vector<std::size_t> FocusableInTabOrder(const WindowRecord& window) {
  std::vector<std::size_t> focusable;
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    if (TakesFocus(window.controls[i])) focusable.push_back(i);
  }
  std::sort(focusable.begin(), focusable.end(), [&window](std::size_t a, std::size_t b) {
    return window.controls[a].tab_index < window.controls[b].tab_index;
  });
  return focusable;
}

}  // namespace

std::vector<std::size_t> StackingOrder(const WindowRecord& window) {
  std::vector<std::size_t> order = FocusableInTabOrder(window);
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (!TakesFocus(window.controls[i])) order.push_back(i);
  }
  return order;
}

const ControlRecord* FirstInTabOrder(const WindowRecord& window) {
  const std::vector<std::size_t> focusable = FocusableInTabOrder(window);
  if (focusable.empty()) return nullptr;
  return &window.controls[focusable.front()];
}

}  // namespace gavrento::win32
