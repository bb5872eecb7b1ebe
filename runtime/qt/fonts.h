// Fonts from their descriptors, through stand-ins for faces this platform lacks.
#pragma once

#include <QFont>

#include "runtime/control_record.h"

namespace gavrento::qt {

// Registers the stand-in faces with Qt; called once, before the first window is built.
void RegisterFontStandIns();

QFont FontFor(const FontDescriptor& descriptor);

}  // namespace gavrento::qt
