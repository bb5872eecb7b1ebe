#include "runtime/qt/display_connection.h"

#include <QLatin1String>
#include <cstdio>
#include <cstdlib>

#include "runtime/start_failure.h"

namespace gavrento::qt {

namespace {

DisplayConnection* the_connection = nullptr;

// What Qt's Wayland platform says before it ends the process: the connection broke, or met
// an error it cannot go on from.
bool SaysWaylandConnectionLost(QtMsgType type, const QString& text) {
  return type == QtWarningMsg && text.startsWith(QLatin1String("The Wayland connection "));
}

}  // namespace

DisplayConnection::DisplayConnection(std::string_view program_name, void (*clean_up)())
    : program_name_(program_name), clean_up_(clean_up) {
  the_connection = this;
  previous_ = qInstallMessageHandler(&DisplayConnection::Receive);
}

DisplayConnection::~DisplayConnection() {
  Established();
  qInstallMessageHandler(previous_);
  the_connection = nullptr;
}

void DisplayConnection::Established() {
  if (established_.exchange(true)) return;
  for (const HeldMessage& message : held_) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    previous_(message.type, context, message.text);
  }
  held_.clear();
}

void DisplayConnection::Receive(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
  DisplayConnection& connection = *the_connection;
  if (connection.established_) {
    if (SaysWaylandConnectionLost(type, text)) connection.clean_up_();
    connection.previous_(type, context, text);
    return;
  }
  if (type == QtFatalMsg) connection.GiveUp();
  connection.held_.push_back({type, QByteArray(context.category), text.trimmed()});
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
