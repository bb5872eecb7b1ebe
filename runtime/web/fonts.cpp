#include "runtime/web/fonts.h"

#include "runtime/units.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

std::string_view StandInFace(std::string_view face) {
  for (const FontStandIn& stand_in : kFontStandIns) {
    if (stand_in.face == face) return stand_in.stand_in;
  }
  return face;
}

CssFont FontFor(const FontDescriptor& descriptor) {
  return {.family = StandInFace(descriptor.face),
          .pixels = PointsToPixels(descriptor.size),
          .weight = descriptor.weight,
          .italic = descriptor.italic};
}

}  // namespace gavrento::web
