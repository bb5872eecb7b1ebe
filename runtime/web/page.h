// The window's colours on the page: those the shared rule picks for the scheme in force.
#pragma once

#include "runtime/control_record.h"
#include "runtime/legible_colour.h"

namespace gavrento::web {

// Colours the face, every caption the record colours and every line; called again when the
// user turns forced colours on or off.
void ApplyColours(const WindowRecord& window, const Scheme& scheme);

}  // namespace gavrento::web
