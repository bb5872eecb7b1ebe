// Starts a project in the page, whose start-up window was written into it when the site was
// built: binds the window's code and serves it. The page calls back through the functions
// exported below.
#pragma once

#include "runtime/project_descriptor.h"

namespace gavrento::web {

void RunProject(const ProjectDescriptor& project);

}  // namespace gavrento::web

extern "C" {
// A button of the window was pressed. The page calls this for one press at a time, the next
// only when the last one's handler, message boxes included, has returned.
void gavrento_click(const char* control);
// Forced colours were turned on (forced != 0, with CSS's system colours as 0xRRGGBB) or off.
void gavrento_colours(int forced, int highlight, int button_face, int button_text);
}
