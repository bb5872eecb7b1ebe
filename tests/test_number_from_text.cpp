// Reading a height: the rules a person relies on when typing into the height box.
#include <QtTest>
#include <bit>
#include <cfloat>
#include <clocale>
#include <string>

#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

using gavrento::NumberFromText;

class TestNumberFromText : public QObject {
  Q_OBJECT

 private slots:
  void reads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    const auto row = [](const char* name, const QByteArray& text, double value) {
      QTest::newRow(name) << text << value;
    };
    row("empty", "", 0);
    row("blank only", " ", 0);
    row("plain", "180", 180);
    row("leading blanks", "  \t 180", 180);
    row("blank then tab", " \t180", 180);
    row("plus", "+180", 180);
    row("minus", "-180", -180);
    row("blank after sign", "- 180", 0);
    row("two signs", "+-180", 0);
    row("period", "180.5", 180.5);
    row("comma stops", "180,5", 180);
    row("leading period", ".5", 0.5);
    row("trailing period", "5.", 5);
    row("period alone", ".", 0);
    row("two periods", "1.2.3", 1.2);
    row("exponent", "1.8e2", 180);
    row("capital exponent", "1.8E+2", 180);
    row("negative exponent", "18000e-2", 180);
    row("exponent without digits", "180e", 180);
    row("exponent sign only", "180e+", 180);
    row("exponent sign, then a letter", "180e-x", 180);
    row("exponent ends at a period", "1.8e2.5e1", 180);
    row("blank inside digits", "1 80", 1);
    row("unit after", "180 cm", 180);
    row("letters", "abc", 0);
    row("radix prefix", "&H10", 0);
    row("hex digits", "0x10", 0);
    row("infinity word", "inf", 0);
    row("infinity word after sign", "-infinity", 0);
    row("not a number word", "nan", 0);
    row("leading newline is not a blank", "\n180", 0);
    row("NUL stops",
        QByteArray("18\0"
                   "0",
                   4),
        18);
    row("largest double", "1.7976931348623157e308", DBL_MAX);
    row("smallest normal", "2.2250738585072014e-308", DBL_MIN);
    row("smallest subnormal", "4.9406564584124654e-324", std::bit_cast<double>(1ULL));
    row("below the smallest", "1e-400", 0);
    row("far below, long exponent", "1e-99999999999999999999999", 0);
    row("zero with huge exponent", "0e99999999999999999999", 0);
    row("many leading zeros", QByteArray(100000, '0') + "180", 180);
    row("many fraction zeros", "0." + QByteArray(400, '0') + "1e500", 1e99);
    row("fraction zeros, no exponent", "0." + QByteArray(400, '0') + "1", 0);
    row("fraction zeros to the smallest", "0." + QByteArray(323, '0') + "5",
        std::bit_cast<double>(1ULL));
    row("fraction zeros, exponent not enough", "0." + QByteArray(400, '0') + "1e50", 0);
    row("long digits, exponent further down", "1" + QByteArray(100, '0') + "e-500", 0);
    row("correctly rounded", "0.1", 0.1);
    row("halfway rounds to even", "9007199254740993", 9007199254740992.0);
  }
  void reads() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const double read = NumberFromText(std::string_view(text.constData(), text.size()));
    QCOMPARE(std::bit_cast<quint64>(read), std::bit_cast<quint64>(value));
  }

  void overflows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("beyond the largest") << QByteArray("1.7976931348623159e308");
    QTest::newRow("1e400") << QByteArray("1e400");
    QTest::newRow("negative") << QByteArray("-1e400");
    QTest::newRow("long exponent") << QByteArray("1e99999999999999999999999");
    QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '7');
    QTest::newRow("digits after leading zeros") << QByteArray(500, '0') + QByteArray(400, '9');
    QTest::newRow("long digits, negative exponent") << QByteArray(400, '9') + "e-50";
  }
  void overflows() {
    QFETCH(QByteArray, text);
    try {
      NumberFromText(std::string_view(text.constData(), text.size()));
      QFAIL("no error raised");
    } catch (const gavrento::RunTimeError& error) {
      QCOMPARE(error.Number(), 6);
      QCOMPARE(QByteArray(error.Description().data()), QByteArray("Overflow"));
    }
  }

  // Qt's start-up sets the C locale from the environment; the reading must not follow it.
  void ignoresTheCLocale() {
    if (std::setlocale(LC_NUMERIC, "it_IT.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
      QSKIP("no locale with a decimal comma is installed");
    }
    QCOMPARE(NumberFromText("180.5"), 180.5);
    QCOMPARE(NumberFromText("180,5"), 180.0);
    std::setlocale(LC_NUMERIC, "C");
  }
};

QTEST_APPLESS_MAIN(TestNumberFromText)
#include "test_number_from_text.moc"
