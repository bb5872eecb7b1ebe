// Turns one control record into its widget, placed on the parent.
#pragma once

#include <QWidget>

#include "runtime/control_record.h"

namespace gavrento::qt {

QWidget* CreateControl(const ControlRecord& record, QWidget* parent);

// Gives a label the colour the window's colour rule draws its caption in under the window's
// palette. Applied again whenever that palette changes.
void ApplyTextColour(QWidget* control, const ControlRecord& record, const WindowRecord& window,
                     const QPalette& palette);

}  // namespace gavrento::qt
