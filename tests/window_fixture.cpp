#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QtTest>

#include "runtime/progetto.h"
#include "runtime/qt/fonts.h"

namespace gavrento::test {

WindowFixture::WindowFixture() {
  static const bool registered = [] {
    qt::RegisterFontStandIns();
    return true;
  }();
  Q_UNUSED(registered);
  loaded_ = qt::LoadStartupWindow(kProgetto, [this] {
    ++end_requests_;
    if (!end_expected_) QTest::qFail("the program was ended", __FILE__, __LINE__);
  });
  loaded_.window->show();
  QApplication::setActiveWindow(loaded_.window.get());
  if (!QTest::qWaitForWindowExposed(loaded_.window.get()) ||
      !QTest::qWaitForWindowActive(loaded_.window.get())) {
    qFatal("the window did not come up");
  }
}

QLineEdit* WindowFixture::Box(const char* name) const {
  return loaded_.window->findChild<QLineEdit*>(name);
}

QPushButton* WindowFixture::Button(const char* name) const {
  return loaded_.window->findChild<QPushButton*>(name);
}

Supeficie& WindowFixture::Form() const {
  return dynamic_cast<Supeficie&>(*loaded_.form);
}

void WindowFixture::Type(const char* box, const QString& text) const {
  QLineEdit* edit = Box(box);
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    QTest::keyClicks(edit, text);
  }
}

void WindowFixture::Click(const char* button) const {
  QTest::mouseClick(Button(button), Qt::LeftButton);
}

MessageBoxAnswerer::MessageBoxAnswerer() {
  connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::AnswerIfShown);
  timer_.start(5);
}

void MessageBoxAnswerer::AnswerIfShown() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  SeenMessageBox seen{box->windowTitle(), box->text(), box->icon(), {}};
  for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
  seen_.push_back(seen);
  box->buttons().first()->click();
}

QString Localised(QString number) {
  return number.replace('.', QLocale::system().decimalPoint());
}

}  // namespace gavrento::test
