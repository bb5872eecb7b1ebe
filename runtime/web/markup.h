// The window as HTML and CSS, written at build time (prerender.cpp) by the same page
// builder the program runs (page.cpp), through the bridge's making calls: index.html holds
// the window's elements before any script runs, and the module only adopts them.
#pragma once

#include <string>

namespace gavrento::web {

// The elements made so far: the window, its lines, labels and controls, in document order.
std::string WindowMarkup();
// Where each sits, its font and colours: rules for the page's one inline style sheet.
std::string WindowStyle();

}  // namespace gavrento::web
