#include "runtime/qt/form_window.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "runtime/qt/control_factory.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/system_colours.h"
#include "runtime/qt/utf8.h"
#include "runtime/window_rules.h"

namespace gavrento::qt {

namespace {

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
  const PixelBox client = ClientBox(record);
  setFixedSize(client.width, client.height);
  setBackgroundRole(RoleForSystemColour(record.back_colour));
  setAutoFillBackground(true);
  CreateControls();
  ApplyTextColours();
  ChainTabOrder();
}

void FormWindow::CreateControls() {
  for (const ControlRecord& control : record_.controls) CreateControl(control, this);
}

// Whether a caption stands out from the face depends on the palette's colours, so it is
// decided again with each new palette (a colour scheme changed while the program runs).
// The window's own palette changes while it is built, before it has its controls.
void FormWindow::ApplyTextColours() {
  for (const ControlRecord& control : record_.controls) {
    if (QWidget* widget = Control(control.name)) {
      ApplyTextColour(widget, control, record_, palette());
    }
  }
}

void FormWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) ApplyTextColours();
  QWidget::changeEvent(event);
}

QWidget* FormWindow::Control(std::string_view name) const {
  return findChild<QWidget*>(Utf8(name), Qt::FindDirectChildrenOnly);
}

QWidget* FormWindow::FirstInTabOrder() const {
  const ControlRecord* first = gavrento::FirstInTabOrder(record_);
  return first == nullptr ? nullptr : Control(first->name);
}

void FormWindow::ChainTabOrder() {
  QWidget* previous = nullptr;
  for (const std::size_t index : TabOrder(record_)) {
    QWidget* widget = Control(record_.controls[index].name);
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
}

// The lines belong to the window's surface: the controls, drawn afterwards, cover them.
void FormWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const Scheme scheme = SchemeOf(palette());
  for (const LineRecord& line : record_.lines) {
    const PixelLine drawn = LinePixels(line);
    painter.setPen(QPen(ToQColor(LineColour(record_, line, scheme)), drawn.width));
    painter.drawLine(drawn.x1, drawn.y1, drawn.x2, drawn.y2);
  }
}

}  // namespace gavrento::qt
