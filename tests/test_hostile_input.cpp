// Text nobody means as a height, typed or pasted into the real window: each gives the
// reading by the rules, the warning, or the Overflow report, and the window goes on.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "expected_messages.h"
#include "test_table.h"
#include "window_fixture.h"
#include "worked_results.h"

using gavrento::test::Columns;
using gavrento::test::Localised;
using gavrento::test::MessageBoxAnswerer;
using gavrento::test::WindowFixture;

namespace {

constexpr qsizetype kMegabyte = 1 << 20;
constexpr qsizetype kLineEditLimit = 32767;  // QLineEdit's default maxLength

enum class Entry { kTyped, kPasted };
enum class Outcome { kResult, kWarningAndResult, kOverflow };

// QTest::keyClicks takes printable Latin-1 only; other characters arrive as a keyboard
// or an input method gives them: a key event per character, carrying its text.
void TypeAnyText(QLineEdit* box, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

bool KeyClicksTakes(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x100 || !c.isPrint()) return false;
  }
  return true;
}

void Enter(QLineEdit* box, const QString& text, Entry entry) {
  QTest::mouseClick(box, Qt::LeftButton);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  if (entry == Entry::kPasted) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  } else {
    if (KeyClicksTakes(text)) {
      QTest::keyClicks(box, text);
    } else {
      TypeAnyText(box, text);
    }
  }
}

}  // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Outcome)

class TestHostileInput : public QObject {
  Q_OBJECT

 private slots:
  void hostileText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("inBox");  // what the box holds once Qt has taken the text
    Columns<Outcome, QString>("outcome", "uomo");

    const QString nines(kMegabyte, '9');
    const QString zeros(kMegabyte, '0');
    const QString blanks = QString(kMegabyte, ' ') + "180";
    const auto row = [](const char* name, const QString& text, Entry entry, const QString& in_box,
                        Outcome outcome, const QString& uomo) {
      QTest::newRow(name) << text << entry << in_box << outcome << uomo;
    };
    const auto pasted = Entry::kPasted;
    const auto typed = Entry::kTyped;
    const auto result = Outcome::kResult;
    const auto warned = Outcome::kWarningAndResult;
    const auto overflow = Outcome::kOverflow;
    const QString at_180 = gavrento::test::Worked("180").uomo;
    const QString at_0 =
        gavrento::test::Worked("0").uomo;  // what a text that reads as no number gives

    // The box keeps its first 32767 characters: still far beyond a double.
    row("a megabyte of nines", nines, pasted, nines.left(kLineEditLimit), overflow, "");
    row("a megabyte of zeros", zeros, pasted, zeros.left(kLineEditLimit), warned, at_0);
    row("a megabyte of blanks, then 180", blanks, pasted, blanks.left(kLineEditLimit), warned,
        at_0);
    row("a long exponent", "1e999999999999999999", typed, "1e999999999999999999", overflow, "");
    row("a tiny value", "1e-999999999999", typed, "1e-999999999999", warned, at_0);

    // Typed control characters make no text; pasted ones stay and stop the reading.
    const QString controls = "\x01\x02\x1b\x7f";
    row("control characters typed", controls + "180", typed, "180", result, at_180);
    row("control characters pasted after", "180" + controls, pasted, "180" + controls, result,
        at_180);
    row("control characters pasted before", controls + "180", pasted, controls + "180", warned,
        at_0);
    row("tab pasted before", "\t180", pasted, "\t180", result, at_180);
    row("a NUL pasted inside", QString("18") + QChar(0) + "0", pasted,
        QString("18") + QChar(0) + "0", warned, "-71.7007874015748");

    const QString high(QChar(0xD800));
    const QString low(QChar(0xDC00));
    row("lone high surrogate before", high + "180", pasted, high + "180", warned, at_0);
    row("lone low surrogate after", "180" + low, pasted, "180" + low, result, at_180);
    // A key carrying a lone surrogate makes no text, as a control character.
    row("lone surrogate typed", low + "180", typed, "180", result, at_180);

    const QString rlm(QChar(0x200F));
    row("right-to-left mark before", rlm + "180", pasted, rlm + "180", warned, at_0);
    row("right-to-left mark after", "180" + rlm, typed, "180" + rlm, result, at_180);

    const QString arabic_indic = QString::fromUtf8("\u0661\u0668\u0660");  // 180
    const QString fullwidth = QString::fromUtf8("\uFF11\uFF18\uFF10");     // 180
    const QString cjk = QString::fromUtf8("\u4E00\u767E\u516B\u5341");     // 180 in words
    row("Arabic-Indic digits typed", arabic_indic, typed, arabic_indic, warned, at_0);
    row("Arabic-Indic digits pasted", arabic_indic, pasted, arabic_indic, warned, at_0);
    row("fullwidth digits", fullwidth, typed, fullwidth, warned, at_0);
    row("CJK numerals", cjk, pasted, cjk, warned, at_0);
    row("180 then Arabic decimal separator", QString::fromUtf8("180\u066B5"), typed,
        QString::fromUtf8("180\u066B5"), result, at_180);
    row("emoji after", QString::fromUtf8("180\U0001F600"), typed,
        QString::fromUtf8("180\U0001F600"), result, at_180);
  }

  void hostileText() {
    QFETCH(QString, text);
    QFETCH(Entry, entry);
    QFETCH(QString, inBox);
    QFETCH(Outcome, outcome);
    QFETCH(QString, uomo);
    WindowFixture window;
    MessageBoxAnswerer answerer;
    QLineEdit* box = window.Box("TxtAltezza");
    Enter(box, text, entry);
    QCOMPARE(box->text().size(), inBox.size());
    QVERIFY(box->text() == inBox);  // no QCOMPARE: a megabyte would go to the log

    window.Click("CmdCalcola");
    if (outcome == Outcome::kOverflow) {
      QCOMPARE(answerer.Seen().size(), 1U);
      QCOMPARE(answerer.Seen().front().text, QString(gavrento::test::kOverflowReport));
      QCOMPARE(answerer.Seen().front().icon, QMessageBox::Critical);
    } else {
      QCOMPARE(answerer.Seen().size(), outcome == Outcome::kWarningAndResult ? 1U : 0U);
      if (outcome == Outcome::kWarningAndResult) {
        QCOMPARE(answerer.Seen().front().text, QString(gavrento::test::kChildWarningText));
      }
    }
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(uomo));

    // The window goes on as if nothing had happened.
    const std::size_t boxes_so_far = answerer.Seen().size();
    window.Type("TxtAltezza", "180");
    window.Click("CmdCalcola");
    const gavrento::test::WorkedResult& at_180 = gavrento::test::Worked("180");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(at_180.uomo));
    QCOMPARE(window.Box("TxtGavrentoDonna")->text(), Localised(at_180.donna));
    QCOMPARE(answerer.Seen().size(), boxes_so_far);
  }
};

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
