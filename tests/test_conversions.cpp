// The conversions between numbers and text. Reading a height: the rules a person relies on
// when typing into the height box. Writing a result: fifteen significant digits with the
// user's decimal separator.
#include <QtTest>
#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"
#include "test_table.h"
#include "worked_results.h"

using gavrento::NumberFromText;
using gavrento::Variant;
using gavrento::VariantToText;
using gavrento::test::Columns;

Q_DECLARE_METATYPE(gavrento::Variant)

class TestConversions : public QObject {
  Q_OBJECT

 private slots:
  void reads_data() {
    Columns<QByteArray, double>("text", "value");
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

  void doubles_data() {
    Columns<double, QString, QString>("value", "period", "comma");
    const auto row = [](const char* name, double value, const char* period) {
      QTest::newRow(name) << value << QString(period) << QString(period).replace('.', ',');
    };
    row("zero", 0.0, "0");
    row("negative zero", -0.0, "0");
    row("integer", -88.0, "-88");
    row("half", -92.5, "-92.5");
    row("leading zero", 0.5, "0.5");
    row("rounded up", 0.1 + 0.2, "0.3");
    row("carry into a new digit", 99.99999999999999, "100");
    row("smallest fixed", 0.0001, "0.0001");
    row("first exponent below", 0.00001, "1E-05");
    row("exponent below with digits", 0.000012345, "1.2345E-05");
    row("largest fixed", 999999999999999.0, "999999999999999");
    row("rounds into exponent form", 999999999999999.9, "1E+15");
    row("first exponent above", 1e15, "1E+15");
    row("exponent with digits", 1.5e15, "1.5E+15");
    row("negative exponent form", -2.5e-7, "-2.5E-07");
    row("two-digit exponent below", 1.5e-10, "1.5E-10");
    row("rounds up into fixed form", std::nextafter(0.0001, 0.0), "0.0001");
    row("three-digit exponent", DBL_MAX, "1.79769313486232E+308");
    row("subnormal", 4.9406564584124654e-324, "4.94065645841247E-324");
    row("no grouping", 1234567.0, "1234567");
  }
  void doubles() {
    QFETCH(double, value);
    QFETCH(QString, period);
    QFETCH(QString, comma);
    QCOMPARE(QString::fromStdString(VariantToText(value, ".")), period);
    QCOMPARE(QString::fromStdString(VariantToText(value, ",")), comma);
  }

  void workedResults_data() {
    Columns<double, QString, QString>("altezza", "uomo", "donna");
    for (const gavrento::test::WorkedResult& worked : gavrento::test::kWorkedResults) {
      QTest::newRow(worked.altezza)
          << QByteArray(worked.altezza).toDouble() << worked.uomo << worked.donna;
    }
  }
  void workedResults() {
    QFETCH(double, altezza);
    QFETCH(QString, uomo);
    QFETCH(QString, donna);
    const double man = gavrento::CalcolaRisultato(altezza, gavrento::kBaseUomo);
    const double woman = gavrento::CalcolaRisultato(altezza, gavrento::kBaseDonna);
    QCOMPARE(QString::fromStdString(VariantToText(man, ".")), uomo);
    QCOMPARE(QString::fromStdString(VariantToText(woman, ".")), donna);
  }

  void otherKinds_data() {
    Columns<Variant, QString>("value", "text");
    QTest::newRow("empty") << Variant{} << QString();
    QTest::newRow("text") << Variant{std::string("1.5 kg")} << QString("1.5 kg");
    QTest::newRow("omitted") << Variant{gavrento::Omitted{}} << QString();
  }
  void otherKinds() {
    QFETCH(Variant, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(VariantToText(value, ",")), text);
  }

  void multiCharacterSeparator() {
    QCOMPARE(QString::fromStdString(VariantToText(-1.25, "\u066B")), QString("-1\u066B25"));
  }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "test_conversions.moc"
