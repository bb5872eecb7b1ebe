// Writing a result: fifteen significant digits with the user's decimal separator.
#include <QtTest>
#include <cfloat>
#include <cmath>
#include <string>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"

using gavrento::Variant;
using gavrento::VariantToText;

Q_DECLARE_METATYPE(gavrento::Variant)

class TestVariantToText : public QObject {
  Q_OBJECT

 private slots:
  void doubles_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("comma");
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
    QTest::addColumn<double>("altezza");
    QTest::addColumn<QString>("uomo");
    QTest::addColumn<QString>("donna");
    QTest::newRow("0") << 0.0 << "-88"
                       << "-92.5";
    QTest::newRow("110") << 110.0 << "11.6062992125984"
                         << "7.10629921259842";
    QTest::newRow("110.01") << 110.01 << "11.6153543307087"
                            << "7.11535433070866";
    QTest::newRow("152.4") << 152.4 << "50"
                           << "45.5";
    QTest::newRow("160") << 160.0 << "56.8818897637795"
                         << "52.3818897637795";
    QTest::newRow("175") << 175.0 << "70.4645669291339"
                         << "65.9645669291339";
    QTest::newRow("180") << 180.0 << "74.992125984252"
                         << "70.492125984252";
    QTest::newRow("200") << 200.0 << "93.1023622047244"
                         << "88.6023622047244";
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
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QString>("text");
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

QTEST_APPLESS_MAIN(TestVariantToText)
#include "test_variant_to_text.moc"
