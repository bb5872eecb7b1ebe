#include "runtime/qt/control_factory.h"

#include <QLabel>
#include <QLineEdit>

#include "runtime/qt/command_button.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/system_colours.h"
#include "runtime/qt/utf8.h"
#include "runtime/units.h"
#include "runtime/window_rules.h"

namespace gavrento::qt {

namespace {

Qt::Alignment HorizontalAlignment(const ControlRecord& record) {
  switch (AlignmentOf(record)) {
    case Alignment::kRight:
      return Qt::AlignRight;
    case Alignment::kCentre:
      return Qt::AlignHCenter;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft;
}

// Opaque, not auto-sized, no border, text from the top, wrapped at blanks and cut at the
// bottom edge; captions are shown as plain text, never as markup or mnemonics.
QWidget* CreateLabel(const ControlRecord& record, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(Utf8(record.caption));
  label->setWordWrap(true);
  label->setAlignment(HorizontalAlignment(record) | Qt::AlignTop);
  // Opaque on the face the window stands on.
  label->setAutoFillBackground(true);
  label->setBackgroundRole(parent->backgroundRole());
  return label;
}

QWidget* CreateTextBox(const ControlRecord& record, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(HorizontalAlignment(record) | Qt::AlignVCenter);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QWidget* CreateButton(const ControlRecord& record, QWidget* parent) {
  auto* button = new CommandButton(parent);
  button->setText(Utf8(record.caption));
  return button;
}

QWidget* CreateWidget(const ControlRecord& record, QWidget* parent) {
  switch (record.kind) {
    case ControlKind::kTextBox:
      return CreateTextBox(record, parent);
    case ControlKind::kCommandButton:
      return CreateButton(record, parent);
    case ControlKind::kLabel:
      break;
  }
  return CreateLabel(record, parent);
}

}  // namespace

QWidget* CreateControl(const ControlRecord& record, QWidget* parent) {
  QWidget* widget = CreateWidget(record, parent);
  widget->setObjectName(Utf8(record.name));
  widget->setAccessibleName(Utf8(AccessibleName(record)));
  widget->setFont(FontFor(record.font));
  const PixelBox box = ControlBox(record);
  widget->setGeometry(box.left, box.top, box.width, box.height);
  return widget;
}

// Only the text's colour is the label's own: every other role, the face included, it takes
// from the window, so a palette given to the window reaches it. The text is drawn in the
// window text role, not in the button text that a label on the button face would take.
void ApplyTextColour(QWidget* control, const ControlRecord& record, const WindowRecord& window,
                     const QPalette& palette) {
  if (record.kind != ControlKind::kLabel || record.colour == kDefaultColour) return;
  QPalette own;
  own.setColor(QPalette::WindowText, ToQColor(CaptionColour(window, record, SchemeOf(palette))));
  control->setPalette(own);
  control->setForegroundRole(QPalette::WindowText);
}

}  // namespace gavrento::qt
