#include "runtime/qt/display_connection.h"

#include <cstdio>
#include <cstdlib>

namespace gavrento::qt {

namespace {

DisplayConnection* being_made = nullptr;

}  // namespace

DisplayConnection::DisplayConnection(std::string_view program_name, void (*clean_up)())
    : program_name_(program_name), clean_up_(clean_up) {
  being_made = this;
  previous_ = qInstallMessageHandler(&DisplayConnection::Hold);
}

void DisplayConnection::Established() {
  if (established_) return;
  established_ = true;
  qInstallMessageHandler(previous_);
  being_made = nullptr;
  for (const HeldMessage& message : held_) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  held_.clear();
}

void DisplayConnection::Hold(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  if (type == QtFatalMsg) being_made->GiveUp();
  being_made->held_.push_back({type, QByteArray(context.category), text.trimmed()});
}

void DisplayConnection::GiveUp() const {
  std::string line = program_name_ + ": nessun display disponibile: impossibile aprire la finestra";
  if (!held_.empty()) line += " (" + held_.front().text.toStdString() + ")";
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  clean_up_();
  std::_Exit(EXIT_FAILURE);
}

}  // namespace gavrento::qt
