#include "runtime/qt/display_connection.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/start_failure.h"

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
  std::string reason = "nessun display disponibile";
  if (!held_.empty()) reason += " (" + held_.front().text.toStdString() + ")";
  const StartFailure failure = WindowNotOpened(reason);
  std::fprintf(stderr, "%s: %s\n", program_name_.c_str(), failure.text.c_str());
  std::fflush(stderr);
  clean_up_();
  std::_Exit(failure.status);
}

}  // namespace gavrento::qt
