#include "runtime/qt/form_window.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "runtime/qt/control_factory.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/system_colours.h"
#include "runtime/qt/utf8.h"
#include "runtime/units.h"

namespace gavrento::qt {

namespace {

std::vector<const ControlRecord*> FocusableInTabOrder(const WindowRecord& record) {
  std::vector<const ControlRecord*> focusable;
  for (const ControlRecord& control : record.controls) {
    if (TakesFocus(control)) focusable.push_back(&control);
  }
  std::sort(focusable.begin(), focusable.end(), [](const ControlRecord* a, const ControlRecord* b) {
    return a->tab_index < b->tab_index;
  });
  return focusable;
}

// Assistive technologies know a top-level window by its role, frame, and read its title from
// it. Qt gives a plain QWidget the role of a client area, a "filler" on the accessibility bus.
QAccessibleInterface* AccessibleFormWindow(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(FormWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

FormWindow::FormWindow(const WindowRecord& record) : record_(record) {
  static const bool kFactoryInstalled = [] {
    QAccessible::installFactory(&AccessibleFormWindow);
    return true;
  }();
  Q_UNUSED(kFactoryInstalled);
  setObjectName(Utf8(record.name));
  setWindowTitle(Utf8(record.caption));
  setFont(FontFor(record.font));
  setFixedSize(TwipsToPixels(record.client_width), TwipsToPixels(record.client_height));
  setBackgroundRole(RoleForSystemColour(record.back_colour));
  setAutoFillBackground(true);
  CreateControls();
  ChainTabOrder();
}

void FormWindow::CreateControls() {
  for (const ControlRecord& control : record_.controls) CreateControl(control, this);
}

QWidget* FormWindow::FirstInTabOrder() const {
  const auto focusable = FocusableInTabOrder(record_);
  if (focusable.empty()) return nullptr;
  return findChild<QWidget*>(Utf8(focusable.front()->name), Qt::FindDirectChildrenOnly);
}

void FormWindow::ChainTabOrder() {
  QWidget* previous = nullptr;
  for (const ControlRecord* control : FocusableInTabOrder(record_)) {
    auto* widget = findChild<QWidget*>(Utf8(control->name), Qt::FindDirectChildrenOnly);
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
}

// The lines belong to the window's surface: the controls, drawn afterwards, cover them.
void FormWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const LineRecord& line : record_.lines) {
    painter.setPen(QPen(palette().color(RoleForSystemColour(line.colour)), 1));
    painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                     TwipsToPixels(line.y2));
  }
}

}  // namespace gavrento::qt
