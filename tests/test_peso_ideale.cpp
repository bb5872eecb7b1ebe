// The formula's results, its order of steps and its fault check, without any window.
#include <QtTest>
#include <bit>
#include <cmath>
#include <limits>

#include "calc/peso_ideale.h"
#include "runtime/run_time_error.h"
#include "test_table.h"

using gavrento::AltezzaBambino;
using gavrento::CalcolaRisultato;
using gavrento::test::Columns;

namespace {

// QCOMPARE on doubles forgives the last digits; the formula's results must match exactly.
quint64 Bits(double value) {
  return std::bit_cast<quint64>(value);
}

}  // namespace

class TestPesoIdeale : public QObject {
  Q_OBJECT

 private slots:
  void workedValues_data() {
    Columns<double, double, double>("altezza", "uomo", "donna");
    QTest::newRow("0") << 0.0 << -88.0 << -92.5;
    QTest::newRow("152.4") << 152.4 << 50.0 << 45.5;
  }
  void workedValues() {
    QFETCH(double, altezza);
    QFETCH(double, uomo);
    QFETCH(double, donna);
    QCOMPARE(Bits(CalcolaRisultato(altezza, gavrento::kBaseUomo)), Bits(uomo));
    QCOMPARE(Bits(CalcolaRisultato(altezza, gavrento::kBaseDonna)), Bits(donna));
  }

  // Exactly the double of the four steps, not an algebraically equal shortcut.
  void eachStepRoundedInOrder() {
    for (int tenths = 1000; tenths < 2600; ++tenths) {
      const double altezza = tenths / 10.0;
      const double expected = (altezza - 152.4) / 2.54 * 2.3 + 50;
      QCOMPARE(Bits(CalcolaRisultato(altezza, 50)), Bits(expected));
    }
  }

  void childHeight_data() {
    Columns<double, bool>("altezza", "bambino");
    QTest::newRow("110") << 110.0 << true;
    QTest::newRow("just above") << std::nextafter(110.0, 200.0) << false;
    QTest::newRow("110.01") << 110.01 << false;
    QTest::newRow("0") << 0.0 << true;
    QTest::newRow("negative") << -5.0 << true;
    QTest::newRow("180") << 180.0 << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << true;
  }
  void childHeight() {
    QFETCH(double, altezza);
    QFETCH(bool, bambino);
    QCOMPARE(AltezzaBambino(altezza), bambino);
  }

  // A signalling NaN makes the first step an invalid operation.
  void invalidOperationRaisesTheFloatingPointError() {
    try {
      CalcolaRisultato(std::numeric_limits<double>::signaling_NaN(), 50);
      QFAIL("no error raised");
    } catch (const gavrento::RunTimeError& error) {
      QCOMPARE(error.Code(), gavrento::ErrorCode::kFloatingPoint);
      QCOMPARE(error.Number(), 16);
    }
  }

  // Faults left over from earlier arithmetic are not this calculation's.
  void earlierFaultsDoNotCount() {
    volatile double zero = 0;
    volatile double leftover = 1 / zero;
    Q_UNUSED(leftover);
    const double altezza = 180;
    QCOMPARE(Bits(CalcolaRisultato(altezza, 50)), Bits((altezza - 152.4) / 2.54 * 2.3 + 50));
  }

  void largestFiniteHeightsAreComputed() {
    const double largest = std::numeric_limits<double>::max();
    QVERIFY(std::isfinite(CalcolaRisultato(largest, 50)));
    QVERIFY(std::isfinite(CalcolaRisultato(-largest, 45.5)));
  }
};

QTEST_APPLESS_MAIN(TestPesoIdeale)
#include "test_peso_ideale.moc"
