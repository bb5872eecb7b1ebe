#include "runtime/web/page.h"

#include "runtime/web/bridge.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

void ApplyColours(const WindowRecord& window, const Scheme& scheme) {
  SetFace(FaceColour(window, scheme));
  for (const ControlRecord& control : window.controls) {
    if (control.colour != kDefaultColour) {
      SetInk(control.name, CaptionColour(window, control, scheme));
    }
  }
  for (const LineRecord& line : window.lines) SetInk(line.name, LineColour(window, line, scheme));
}

}  // namespace gavrento::web
