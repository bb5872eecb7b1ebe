// A push button that a person clicks with the mouse, or with Space or Enter while it has
// the focus, and that is never a dialog's default button.
#pragma once

#include <QPushButton>

namespace gavrento::qt {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace gavrento::qt
