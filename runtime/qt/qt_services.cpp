#include "runtime/qt/qt_services.h"
#include "runtime/qt/utf8.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <cstdlib>
#include <utility>

#include "runtime/window_rules.h"

namespace gavrento::qt {

namespace {

QLineEdit& TextBox(const FormWindow& window, std::string_view control) {
  auto* box =
      qobject_cast<QLineEdit*>(window.Control(TextBoxRecord(window.Record(), control).name));
  if (box == nullptr) Raise(ErrorCode::kControlCallFailed);
  return *box;
}

QMessageBox::Icon IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void EndProcessAtOnce() {
  std::quick_exit(EXIT_SUCCESS);
}

QtServices::QtServices(FormWindow& window, std::string program_name,
                       std::function<void()> end_program)
    : Services(std::move(program_name)), window_(window), end_program_(std::move(end_program)) {}

std::string QtServices::Text(std::string_view control) {
  return TextBox(window_, control).text().toStdString();
}

// The boxes are narrower than a fifteen-digit result: show its beginning, the digits that
// matter most, as a text box does after its text is replaced.
void QtServices::SetText(std::string_view control, std::string_view text) {
  QLineEdit& box = TextBox(window_, control);
  box.setText(Utf8(text));
  box.setCursorPosition(0);
}

std::string QtServices::DecimalSeparator() {
  return QLocale::system().decimalPoint().toStdString();
}

void QtServices::End() {
  end_program_();
}

// Modal to the whole program: while it is up, the window takes no input.
void QtServices::ShowMessageBox(const MessageBoxContent& box) {
  QMessageBox shown(IconFor(box.icon), Utf8(box.title), Utf8(box.text), QMessageBox::Ok, &window_);
  shown.setWindowModality(Qt::ApplicationModal);
  shown.exec();
}

}  // namespace gavrento::qt
