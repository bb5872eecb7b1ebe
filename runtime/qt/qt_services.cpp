#include "runtime/qt/qt_services.h"
#include "runtime/qt/utf8.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <cstdlib>
#include <utility>

#include "runtime/conversions.h"
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

// Modal to the whole program: while it is up, the window takes no input.
void ShowModal(QWidget& window, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, &window);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

void EndProcessAtOnce() {
  std::quick_exit(EXIT_SUCCESS);
}

QtServices::QtServices(FormWindow& window, std::string program_name,
                       std::function<void()> end_program)
    : window_(window),
      program_name_(std::move(program_name)),
      end_program_(std::move(end_program)) {}

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

int QtServices::MsgBox(const Variant& prompt, int style, const Variant& title) {
  const QMessageBox::Icon icon = IconFor(MessageBoxIcon(style));
  const std::string separator = DecimalSeparator();
  const QString caption = Utf8(MessageBoxTitle(title, program_name_, separator));
  ShowModal(window_, icon, caption, Utf8(VariantToText(prompt, separator)));
  return kVbOK;
}

std::string QtServices::DecimalSeparator() {
  return QLocale::system().decimalPoint().toStdString();
}

void QtServices::End() {
  end_program_();
}

void QtServices::ReportError(const RunTimeError& error) {
  ShowModal(window_, QMessageBox::Critical, Utf8(program_name_), Utf8(ErrorReportText(error)));
}

}  // namespace gavrento::qt
