#include "runtime/web/geometry.h"

#include <algorithm>
#include <cstdlib>

namespace gavrento::web {

PixelBox LineBox(const LineRecord& line) {
  const int width = LineWidthPixels(kBaseDpi);
  const int x1 = TwipsToPixels(line.x1);
  const int x2 = TwipsToPixels(line.x2);
  const int y1 = TwipsToPixels(line.y1);
  const int y2 = TwipsToPixels(line.y2);
  return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + width, std::abs(y2 - y1) + width};
}

}  // namespace gavrento::web
