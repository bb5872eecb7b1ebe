#include "runtime/qt/command_button.h"

#include <QKeyEvent>

namespace gavrento::qt {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  // A default button would take Enter from the text boxes and be drawn with a heavier
  // frame; these buttons answer only the keys pressed on them.
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
}

// Qt's push button leaves Enter to the dialog's default button; here Enter on the focused
// button clicks it, once per press, as Space does.
void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat()) click();
}

}  // namespace gavrento::qt
