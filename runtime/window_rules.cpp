#include "runtime/window_rules.h"

#include <algorithm>
#include <cstdlib>

#include "runtime/form.h"
#include "runtime/run_time_error.h"

namespace gavrento {

std::vector<std::size_t> TabOrder(const WindowRecord& window) {
  std::vector<std::size_t> focusable;
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    if (TakesFocus(window.controls[i])) focusable.push_back(i);
  }
  std::stable_sort(focusable.begin(), focusable.end(), [&window](std::size_t a, std::size_t b) {
    return window.controls[a].tab_index < window.controls[b].tab_index;
  });
  return focusable;
}

const ControlRecord* FirstInTabOrder(const WindowRecord& window) {
  const std::vector<std::size_t> order = TabOrder(window);
  return order.empty() ? nullptr : &window.controls[order.front()];
}

PixelBox ControlBox(const ControlRecord& control, int dpi) {
  return BoxToPixels(control.left, control.top, control.width, control.height, dpi);
}

PixelBox ClientBox(const WindowRecord& window, int dpi) {
  return BoxToPixels(0, 0, window.client_width, window.client_height, dpi);
}

PixelLine LinePixels(const LineRecord& line, int dpi) {
  return {TwipsToPixels(line.x1, dpi), TwipsToPixels(line.y1, dpi), TwipsToPixels(line.x2, dpi),
          TwipsToPixels(line.y2, dpi), LineWidthPixels(dpi)};
}

PixelBox LineBox(const LineRecord& line, int dpi) {
  const PixelLine drawn = LinePixels(line, dpi);
  return {std::min(drawn.x1, drawn.x2), std::min(drawn.y1, drawn.y2),
          std::abs(drawn.x2 - drawn.x1) + drawn.width, std::abs(drawn.y2 - drawn.y1) + drawn.width};
}

bool RunsClickHandler(const ControlRecord& control, const Form& form) {
  return control.kind == ControlKind::kCommandButton && form.HasClickHandler(control.name);
}

const ControlRecord* ControlNamed(const WindowRecord& window, std::string_view name) {
  const auto found =
      std::find_if(window.controls.begin(), window.controls.end(),
                   [name](const ControlRecord& control) { return control.name == name; });
  return found == window.controls.end() ? nullptr : &*found;
}

const ControlRecord& TextBoxRecord(const WindowRecord& window, std::string_view name) {
  const ControlRecord* found = ControlNamed(window, name);
  if (found == nullptr || found->kind != ControlKind::kTextBox) {
    Raise(ErrorCode::kControlCallFailed);
  }
  return *found;
}

std::string_view AccessibleName(const ControlRecord& control) {
  return control.kind == ControlKind::kTextBox ? control.accessible_name : control.caption;
}

bool IsLabelled(const WindowRecord& window, std::string_view box) {
  return std::any_of(window.controls.begin(), window.controls.end(), [box](const auto& control) {
    return control.kind == ControlKind::kLabel && control.labels == box;
  });
}

std::string ClickAnnouncement(const WindowRecord& window, std::span<const WrittenText> written) {
  std::string announced;
  for (const WrittenText& text : written) {
    const ControlRecord* box = ControlNamed(window, text.box);
    if (box == nullptr || text.text.find_first_not_of(' ') == std::string::npos) continue;
    if (!announced.empty()) announced += ' ';
    announced += std::string(AccessibleName(*box)) + ": " + text.text + ".";
  }
  return announced;
}

Alignment AlignmentOf(const ControlRecord& control) {
  return control.kind == ControlKind::kCommandButton ? Alignment::kCentre : control.align;
}

std::string_view StandInFace(std::string_view face) {
  for (const FontStandIn& stand_in : kFontStandIns) {
    if (stand_in.face == face) return stand_in.stand_in;
  }
  return face;
}

StandInFont FontDrawn(const FontDescriptor& font, int dpi) {
  return {.family = StandInFace(font.face),
          .pixels = PointsToPixels(font.size, dpi),
          .weight = font.weight,
          .italic = font.italic};
}

}  // namespace gavrento
