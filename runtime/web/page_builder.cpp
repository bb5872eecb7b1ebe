#include "runtime/web/page_builder.h"

#include <cstddef>

#include "runtime/web/bridge.h"
#include "runtime/web/fonts.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

namespace {

void MakeControl(const WindowRecord& window, std::size_t index) {
  const ControlRecord& record = window.controls[index];
  MakeElement({.kind = record.kind,
               .name = record.name,
               .text = record.caption,
               .accessible_name = AccessibleName(record),
               .box = ControlBox(record),
               .font = FontFor(record.font),
               .align = AlignmentOf(record),
               .stacking = static_cast<int>(index)});
}

}  // namespace

// Labels first, then the controls in tab order: the document's order is the order of the
// focus, so no element needs a tab index of its own.
void BuildPage(const WindowRecord& window) {
  MakeWindow(window.caption, ClientBox(window), FontFor(window.font));
  for (const LineRecord& line : window.lines) MakeLine(line.name, LineBox(line));
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    if (!TakesFocus(window.controls[i])) MakeControl(window, i);
  }
  for (const std::size_t index : TabOrder(window)) MakeControl(window, index);
}

}  // namespace gavrento::web
