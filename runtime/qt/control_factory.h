// Turns one control record into its widget, placed on the parent.
#pragma once

#include <QWidget>

#include "runtime/control_record.h"

namespace gavrento::qt {

QWidget* CreateControl(const ControlRecord& record, QWidget* parent);

}  // namespace gavrento::qt
