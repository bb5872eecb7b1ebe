#include "runtime/web/page_colours.h"

namespace gavrento::web {

Scheme ForcedScheme(const ForcedColours& colours) {
  return {.desktop = kDesktopStandIn,
          .highlight = colours.highlight,
          .button_face = colours.button_face,
          .button_text = colours.button_text};
}

}  // namespace gavrento::web
