// The program's window as a person meets it, for tests that click and type on it.
#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "runtime/qt/application.h"
#include "window/supeficie.h"

namespace gavrento::test {

// Builds the start-up window exactly as the program does, shows it and waits until it
// is exposed and active. Ending the program only counts the request, so the test program
// goes on; a test that has not called ExpectEnd() fails when the end is asked for.
class WindowFixture {
 public:
  WindowFixture();
  WindowFixture(const WindowFixture&) = delete;
  WindowFixture& operator=(const WindowFixture&) = delete;

  QLineEdit* Box(const char* name) const;
  QPushButton* Button(const char* name) const;
  QWidget& Window() const { return *loaded_.window; }
  Supeficie& Form() const;
  Services& RuntimeServices() const { return *loaded_.services; }

  // Types into a box as a person would: click into it, select all, type.
  void Type(const char* box, const QString& text) const;
  void Click(const char* button) const;

  void ExpectEnd() { end_expected_ = true; }
  int EndRequests() const { return end_requests_; }

 private:
  bool end_expected_ = false;
  int end_requests_ = 0;
  qt::LoadedWindow loaded_;
};

// What a message box showed before it was answered.
struct SeenMessageBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Answers every modal message box with its first button, as soon as it is up, and keeps
// what each showed.
class MessageBoxAnswerer : public QObject {
 public:
  MessageBoxAnswerer();
  const std::vector<SeenMessageBox>& Seen() const { return seen_; }

 private:
  void AnswerIfShown();

  QTimer timer_;
  std::vector<SeenMessageBox> seen_;
};

// A number written with a decimal point, as the window shows it: with the user's separator.
QString Localised(QString number);

}  // namespace gavrento::test
