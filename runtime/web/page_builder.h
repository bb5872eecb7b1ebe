// The window as a web page: one element per record, at the record's box. Run at build time
// (prerender.cpp), which writes the elements into index.html; the program adopts them.
#pragma once

#include "runtime/control_record.h"

namespace gavrento::web {

// Makes the window's elements, in the order Tab walks the controls that take the focus,
// each stacked as its record is.
void BuildPage(const WindowRecord& window);

}  // namespace gavrento::web
