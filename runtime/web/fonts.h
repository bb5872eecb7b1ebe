// A record's font as CSS: the stand-in face the site ships for the face it names, its size
// in CSS pixels (96 to the inch, as the layout was drawn), its weight and slant.
#pragma once

#include <string_view>

#include "runtime/control_record.h"
#include "runtime/web/bridge.h"

namespace gavrento::web {

// The face the page draws for a face a record names: its stand-in, or itself.
std::string_view StandInFace(std::string_view face);

CssFont FontFor(const FontDescriptor& descriptor);

}  // namespace gavrento::web
