// The window's colours under the user's scheme: each part in its own palette role, the
// captions and lines in their system colours where those stand out from the button face,
// and in the scheme's button text where the scheme would make them vanish, as high-contrast
// schemes do. Every scheme is given to the window after it is built, as a scheme changed
// while the program runs would be.
#include <QLabel>
#include <QtTest>

#include "runtime/legible_colour.h"
#include "runtime/qt/system_colours.h"
#include "test_table.h"
#include "window_fixture.h"

using gavrento::ContrastFloor;
using gavrento::test::Columns;
using gavrento::test::WindowFixture;

namespace {

// A point on the left bracket of the man's formula, which no control covers.
constexpr QPoint kOnALine(152, 200);

double Contrast(const QColor& a, const QColor& b) {
  return gavrento::ContrastRatio(gavrento::qt::ToRgb(a), gavrento::qt::ToRgb(b));
}

QPalette Scheme(const QColor& face, const QColor& text, const QColor& highlight) {
  QPalette palette;
  for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
    palette.setColor(role, face);
  }
  for (const auto role :
       {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::HighlightedText}) {
    palette.setColor(role, text);
  }
  palette.setColor(QPalette::Highlight, highlight);
  return palette;
}

// A dark scheme as desktops ship them: light text on a dark face, a saturated highlight.
QPalette DarkPalette() {
  return Scheme(QColor(0x31, 0x36, 0x3b), QColor(0xfc, 0xfc, 0xfc), QColor(0x3d, 0xae, 0xe9));
}

// High-contrast schemes at their worst for this window: the highlight is the face.
QPalette HighContrastBlack() {
  return Scheme(Qt::black, Qt::white, Qt::black);
}
QPalette HighContrastWhite() {
  return Scheme(Qt::white, Qt::black, Qt::white);
}

// The label's caption is drawn in its ink: some pixel of it is that colour, give or take
// the blending of a glyph's edges with the face (a "+" at 13 pixels has no pixel of pure
// ink).
bool ShowsColour(const QImage& image, const QRect& area, const QColor& colour) {
  constexpr int kBlending = 48;
  const qreal ratio = image.devicePixelRatio();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor seen = image.pixelColor(QPoint(x, y) * ratio);
      if (qAbs(seen.red() - colour.red()) <= kBlending &&
          qAbs(seen.green() - colour.green()) <= kBlending &&
          qAbs(seen.blue() - colour.blue()) <= kBlending) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

class TestWindowColours : public QObject {
  Q_OBJECT

 private slots:
  // Every caption in a colour that stands out from its face, and drawn in that colour;
  // every line standing out from the window's face. Ordinary schemes keep the design's
  // colours where the rule keeps them (the light scheme's palest caption is its highlight,
  // at 3.2:1); a high-contrast scheme must give WCAG's AA throughout.
  void captionsAndLinesAreLegible_data() {
    Columns<QPalette, ContrastFloor>("palette", "floor");
    QTest::newRow("light") << QPalette() << gavrento::kKeepRecordColour;
    QTest::newRow("dark") << DarkPalette() << gavrento::kKeepRecordColour;
    QTest::newRow("high contrast black") << HighContrastBlack() << gavrento::kWcagAA;
    QTest::newRow("high contrast white") << HighContrastWhite() << gavrento::kWcagAA;
  }
  void captionsAndLinesAreLegible() {
    QFETCH(QPalette, palette);
    QFETCH(ContrastFloor, floor);
    WindowFixture fixture;
    QWidget& window = fixture.Window();
    window.setPalette(palette);
    const QImage image = window.grab().toImage();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      const QColor ink = label->palette().color(label->foregroundRole());
      const double ratio = Contrast(ink, label->palette().color(label->backgroundRole()));
      QVERIFY2(ratio >= floor.text,
               qPrintable(QString("%1: %2").arg(label->objectName()).arg(ratio)));
      QVERIFY2(ShowsColour(image, label->geometry(), ink), qPrintable(label->objectName()));
    }
    const QColor line = image.pixelColor(kOnALine * image.devicePixelRatio());
    QVERIFY(Contrast(line, window.palette().color(QPalette::Button)) >= floor.line);
  }

  // A new palette, a colour for each role, reaches labels, lines and the window, each part
  // in its own role. The lines are in the desktop colour, which Qt has none of: the window
  // takes Windows 10's, black.
  void coloursAreReferences_data() {
    Columns<QPoint, QColor>("point", "colour");
    QTest::newRow("a line, the desktop colour") << kOnALine << QColor(Qt::black);
    QTest::newRow("the window, button face") << QPoint(4, 4) << QColor(Qt::yellow);
    // Inside the heading's label, left of its centred caption.
    QTest::newRow("a label, button face") << QPoint(60, 12) << QColor(Qt::yellow);
  }
  void coloursAreReferences() {
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    WindowFixture fixture;
    QPalette palette = fixture.Window().palette();
    palette.setColor(QPalette::Highlight, Qt::red);
    palette.setColor(QPalette::WindowText, Qt::green);
    palette.setColor(QPalette::Window, Qt::blue);
    palette.setColor(QPalette::Button, Qt::yellow);
    fixture.Window().setPalette(palette);
    const QLabel* heading = fixture.Window().findChild<QLabel*>("LBLIntestazione");
    QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(Qt::red));
    const QImage image = fixture.Window().grab().toImage();
    QCOMPARE(image.pixelColor(point * image.devicePixelRatio()), colour);
  }

  // Where the highlight and the desktop colour are the face's own, captions and lines take
  // the button text, not the window text; and their own colours again once the scheme no
  // longer hides them.
  void inkTheSchemeWouldHideTakesTheButtonText() {
    WindowFixture fixture;
    QWidget& window = fixture.Window();
    const QPalette original = window.palette();
    QPalette hiding = Scheme(Qt::black, Qt::green, Qt::black);
    hiding.setColor(QPalette::ButtonText, Qt::cyan);
    // The window stands on the button face: a window role the ink would stand out from
    // changes nothing.
    hiding.setColor(QPalette::Window, Qt::white);
    window.setPalette(hiding);
    const QLabel* heading = window.findChild<QLabel*>("LBLIntestazione");
    const QLabel* height = window.findChild<QLabel*>("LBLAltezza");
    QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(Qt::cyan));
    QCOMPARE(height->palette().color(height->foregroundRole()), QColor(Qt::cyan));
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(kOnALine * image.devicePixelRatio()), QColor(Qt::cyan));
    window.setPalette(original);
    QCOMPARE(heading->palette().color(heading->foregroundRole()),
             original.color(QPalette::Highlight));
  }
};

QTEST_MAIN(TestWindowColours)
#include "test_window_colours.moc"
