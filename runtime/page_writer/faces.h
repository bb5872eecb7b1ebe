// The faces the page draws, each with the characters drawn in it, so that the site ships
// each face cut down to those: every caption in its stand-in face; and printable Latin-1
// in the face of the text boxes and of the page's own texts (its title, its message box),
// as people type there and error reports are written there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/control_record.h"

namespace gavrento::page_writer {

struct PageFace {
  std::string_view family;
  int weight = 0;
  bool italic = false;
  std::string characters;  // UTF-8, each once, in code point order, the space among them
};

// In the order of family, weight and slant.
std::vector<PageFace> PageFaces(const WindowRecord& window);

}  // namespace gavrento::page_writer
