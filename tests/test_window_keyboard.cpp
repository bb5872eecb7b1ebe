// The window used from the keyboard alone: the focus walk, Space and Enter on buttons,
// and keys that must do nothing.
#include <QApplication>
#include <QtTest>

#include "test_table.h"
#include "window_fixture.h"
#include "worked_results.h"

using gavrento::test::Columns;
using gavrento::test::Localised;
using gavrento::test::MessageBoxAnswerer;
using gavrento::test::WindowFixture;

namespace {

const QStringList kTabOrder{"CmdUscita",  "CmdCalcola",      "CmdCancella",
                            "TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"};

QString Focused() {
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus->objectName() : QString("(none)");
}

QStringList Texts(const WindowFixture& window) {
  QStringList texts;
  for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
    texts << window.Box(box)->text();
  }
  return texts;
}

void Press(QWidget* widget, Qt::Key key, bool auto_repeat = false) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), auto_repeat);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), auto_repeat);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

}  // namespace

class TestWindowKeyboard : public QObject {
  Q_OBJECT

 private slots:
  void focusStartsOnUscita() {
    WindowFixture window;
    QCOMPARE(Focused(), QString("CmdUscita"));
  }

  void tabWalksForwardAndWraps() {
    WindowFixture window;
    QStringList walked{Focused()};
    for (int step = 0; step < kTabOrder.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked << Focused();
    }
    QCOMPARE(walked, kTabOrder + QStringList{"CmdUscita"});
  }

  void shiftTabWalksBackwards() {
    WindowFixture window;
    QStringList walked{Focused()};
    for (int step = 0; step < kTabOrder.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      walked << Focused();
    }
    QStringList expected{"CmdUscita"};
    for (auto it = kTabOrder.rbegin(); it != kTabOrder.rend(); ++it) expected << *it;
    QCOMPARE(walked, expected);
  }

  void keysClickTheFocusedButton_data() {
    Columns<QString, int, QStringList, int>("button", "key", "texts", "ends");
    const QStringList cleared{" ", " ", " "};
    const gavrento::test::WorkedResult& at_180 = gavrento::test::Worked("180");
    const QStringList calculated{"180", Localised(at_180.uomo), Localised(at_180.donna)};
    for (const auto& [name, key] : {std::pair{"Space", Qt::Key_Space},
                                    {"Return", Qt::Key_Return},
                                    {"keypad Enter", Qt::Key_Enter}}) {
      QTest::addRow("Calcola, %s", name) << "CmdCalcola" << int(key) << calculated << 0;
      QTest::addRow("Cancella, %s", name) << "CmdCancella" << int(key) << cleared << 0;
      QTest::addRow("Uscita, %s", name)
          << "CmdUscita" << int(key) << QStringList{"180", "", ""} << 1;
    }
  }
  void keysClickTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QStringList, texts);
    QFETCH(int, ends);
    WindowFixture window;
    if (ends > 0) window.ExpectEnd();
    QTest::keyClicks(window.Box("TxtAltezza"), "180");
    QWidget* target = window.Button(qPrintable(button));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(Texts(window), texts);
    QCOMPARE(window.EndRequests(), ends);
  }

  // Holding Enter down must not click again and again.
  void autoRepeatedEnterDoesNotClick() {
    WindowFixture window;
    int clicks = 0;
    QObject::connect(window.Button("CmdCancella"), &QPushButton::clicked, [&] { ++clicks; });
    window.Button("CmdCancella")->setFocus();
    Press(window.Button("CmdCancella"), Qt::Key_Return);
    Press(window.Button("CmdCancella"), Qt::Key_Return, true);
    Press(window.Button("CmdCancella"), Qt::Key_Return, true);
    QCOMPARE(clicks, 1);
  }

  void noButtonIsADefaultButton() {
    WindowFixture window;
    for (const char* name : {"CmdUscita", "CmdCalcola", "CmdCancella"}) {
      QVERIFY(!window.Button(name)->isDefault());
      QVERIFY(!window.Button(name)->autoDefault());
    }
  }

  void enterAndEscapeInTextBoxesDoNothing_data() {
    Columns<QString, int>("box", "key");
    for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
      QTest::addRow("%s, Return", box) << box << int(Qt::Key_Return);
      QTest::addRow("%s, keypad Enter", box) << box << int(Qt::Key_Enter);
      QTest::addRow("%s, Escape", box) << box << int(Qt::Key_Escape);
    }
  }
  void enterAndEscapeInTextBoxesDoNothing() {
    QFETCH(QString, box);
    QFETCH(int, key);
    WindowFixture window;
    MessageBoxAnswerer answerer;
    window.Type("TxtAltezza", "50");
    const QStringList before = Texts(window);
    QLineEdit* target = window.Box(qPrintable(box));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(Texts(window), before);
    QVERIFY(answerer.Seen().empty());
    QCOMPARE(Focused(), box);
  }

  void escapeOnAButtonDoesNothing() {
    WindowFixture window;
    window.Type("TxtAltezza", "180");
    window.Button("CmdCancella")->setFocus();
    QTest::keyClick(window.Button("CmdCancella"), Qt::Key_Escape);
    QCOMPARE(Texts(window), (QStringList{"180", "", ""}));
    QVERIFY(window.Window().isVisible());
  }
};

QTEST_MAIN(TestWindowKeyboard)
#include "test_window_keyboard.moc"
