// Every shown result against a reference built from other parts: the four steps written
// out again, the C library's "%.15G" in the C locale, and a comparison per height.
#include <QtTest>
#include <clocale>
#include <cstdio>
#include <random>
#include <string>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"

using gavrento::CalcolaRisultato;
using gavrento::kBaseDonna;
using gavrento::kBaseUomo;
using gavrento::VariantToText;

#ifndef GAVRENTO_EXACTNESS_RANDOM_HEIGHTS
#define GAVRENTO_EXACTNESS_RANDOM_HEIGHTS 1000000
#endif

namespace {

constexpr int kRandomHeights = GAVRENTO_EXACTNESS_RANDOM_HEIGHTS;
constexpr int kFirstTenth = 1000;  // 100.0 cm
constexpr int kLastTenth = 2599;   // 259.9 cm

// Each step stored, so no step is fused with or folded into the next.
double DivideFirst(double altezza, double base) {
  volatile double d = altezza - 152.4;
  volatile double q = d / 2.54;
  volatile double p = q * 2.3;
  volatile double r = p + base;
  return r;
}

double MultiplyFirst(double altezza, double base) {
  volatile double d = altezza - 152.4;
  volatile double m = d * 2.3;
  volatile double p = m / 2.54;
  volatile double r = p + base;
  return r;
}

// "%.15G" drops trailing zeros by itself; dropping them again keeps the reference right
// should a C library pad. Its exponent form (1.5E+15, 1E-05) is already the program's.
std::string Reference(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text(buffer);
  const std::size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  const std::string exponent = e == std::string::npos ? "" : text.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  text = mantissa + exponent;
  return text == "-0" ? "0" : text;
}

std::string Shown(double altezza, double base) {
  return VariantToText(CalcolaRisultato(altezza, base), ".");
}

struct Mismatch {
  double altezza;
  double base;
  std::string shown;
  std::string expected;
};

// The first mismatch for one height, if any, for both bases.
bool Check(double altezza, Mismatch& out) {
  for (const double base : {kBaseUomo, kBaseDonna}) {
    std::string shown = Shown(altezza, base);
    std::string expected = Reference(DivideFirst(altezza, base));
    if (shown != expected) {
      out = {altezza, base, std::move(shown), std::move(expected)};
      return true;
    }
  }
  return false;
}

QByteArray Describe(const Mismatch& m, int count) {
  return QByteArray::number(count) + " mismatches, first at height " +
         QByteArray::number(m.altezza, 'g', 17) + " base " + QByteArray::number(m.base) +
         ": shown " + QByteArray::fromStdString(m.shown) + ", expected " +
         QByteArray::fromStdString(m.expected);
}

}  // namespace

class TestExactness : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(std::setlocale(LC_ALL, "C") != nullptr); }

  // The reference itself, on values whose texts are known.
  void referenceFormatting_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << -88.0 << "-88";
    QTest::newRow("fifteen digits") << 74.992125984251969 << "74.992125984252";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large") << 1.5e15 << "1.5E+15";
    QTest::newRow("small") << 1e-5 << "1E-05";
    QTest::newRow("smallest fixed") << 1e-4 << "0.0001";
  }
  void referenceFormatting() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Reference(value)), text);
    QCOMPARE(QString::fromStdString(VariantToText(value, ".")), text);
  }

  void everyTenthOfACentimetre() {
    int mismatches = 0;
    Mismatch first{};
    for (int tenths = kFirstTenth; tenths <= kLastTenth; ++tenths) {
      Mismatch m{};
      if (Check(tenths / 10.0, m) && mismatches++ == 0) first = m;
    }
    QVERIFY2(mismatches == 0, Describe(first, mismatches).constData());
  }

  void randomHeights() {
    std::mt19937_64 engine(20240611);
    std::uniform_real_distribution<double> height(-1000.0, 1000.0);
    int mismatches = 0;
    Mismatch first{};
    for (int i = 0; i < kRandomHeights; ++i) {
      Mismatch m{};
      if (Check(height(engine), m) && mismatches++ == 0) first = m;
    }
    QVERIFY2(mismatches == 0, Describe(first, mismatches).constData());
  }

  // The order of the steps shows in the fifteenth digit: these counts fail if the
  // program (or the reference) ever multiplies first.
  void orderOfStepsChangesKnownTexts() {
    int uomo = 0;
    int donna = 0;
    int either = 0;
    for (int tenths = kFirstTenth; tenths <= kLastTenth; ++tenths) {
      const double altezza = tenths / 10.0;
      const bool u = Shown(altezza, kBaseUomo) != Reference(MultiplyFirst(altezza, kBaseUomo));
      const bool d = Shown(altezza, kBaseDonna) != Reference(MultiplyFirst(altezza, kBaseDonna));
      uomo += u ? 1 : 0;
      donna += d ? 1 : 0;
      either += u || d ? 1 : 0;
    }
    QCOMPARE(uomo, 27);
    QCOMPARE(donna, 39);
    QCOMPARE(either, 40);
  }
};

QTEST_APPLESS_MAIN(TestExactness)
#include "test_exactness.moc"
