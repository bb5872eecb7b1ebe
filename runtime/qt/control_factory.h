// Turns one control record into its widget, placed on the parent.
#pragma once

#include <QWidget>

#include "runtime/control_record.h"

namespace gavrento::qt {

QWidget* CreateControl(const ControlRecord& record, QWidget* parent);

// Gives a label the colour its caption is drawn in: its record's system colour where that
// stands out from the window palette's button face, else the button text colour. Applied
// again whenever the window's palette changes.
void ApplyTextColour(QWidget* control, const ControlRecord& record, const QPalette& window);

}  // namespace gavrento::qt
