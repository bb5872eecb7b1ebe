// The order the controls are stacked in, which on Win32 is also the order Tab walks the
// focusable ones.
#pragma once

#include <cstddef>
#include <vector>

#include "runtime/control_record.h"

namespace gavrento::win32 {

// Record indexes, top of the z-order first: the focusable controls by rising tab index,
// then the labels with later records above earlier ones, as labels may overlap.
std::vector<std::size_t> StackingOrder(const WindowRecord& window);

}  // namespace gavrento::win32
