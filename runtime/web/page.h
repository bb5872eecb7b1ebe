// The window as a web page: one element per record, at the record's box, and the colours
// the shared rule picks for the scheme in force.
#pragma once

#include "runtime/control_record.h"
#include "runtime/legible_colour.h"

namespace gavrento::web {

// Makes the window's elements, in the order Tab walks the controls that take the focus,
// each stacked as its record is.
void BuildPage(const WindowRecord& window);

// Colours the face, every caption the record colours and every line; called again when the
// user turns forced colours on or off.
void ApplyColours(const WindowRecord& window, const Scheme& scheme);

}  // namespace gavrento::web
