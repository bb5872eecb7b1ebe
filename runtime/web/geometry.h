// Where each line's element goes on the page, in CSS pixels: 96 to the inch, the
// resolution the layout was drawn at, whatever the device's pixel ratio or the zoom.
#pragma once

#include "runtime/control_record.h"
#include "runtime/units.h"

namespace gavrento::web {

// A line's box: both end points drawn, one line width thick.
PixelBox LineBox(const LineRecord& line);

}  // namespace gavrento::web
