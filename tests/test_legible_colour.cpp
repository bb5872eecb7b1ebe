// The colour rule both runtimes draw captions and lines by, on the colour schemes people
// use. The contrast ratios were worked out separately from WCAG 2's definition of relative
// luminance; the schemes are the systems' own defaults.
#include <QtTest>
#include <cstdint>

#include "runtime/legible_colour.h"

using gavrento::ContrastRatio;
using gavrento::Ink;
using gavrento::LegibleColour;
using gavrento::Rgb;
using gavrento::Scheme;

namespace {

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

struct SchemeCase {
  const char* scheme;
  Rgb wanted;      // the system colour the record names
  Rgb background;  // the button face it is drawn on
  Rgb text;        // the scheme's button text
  Ink ink;
  double ratio;  // of wanted on background
  bool kept;     // drawn in wanted; else in the scheme's text colour
};

constexpr Ink kText = Ink::kText;
constexpr Ink kLine = Ink::kLine;

// clang-format off
constexpr SchemeCase kSchemes[] = {
    // Ordinary schemes: the design's colours stay, though no stock highlight reaches 4.5:1.
    {"wine: desktop captions",          Hex(0x256F95), Hex(0xF5F5F5), Hex(0x000000), kText,  5.087, true},
    {"wine: highlight captions",        Hex(0x3096FA), Hex(0xF5F5F5), Hex(0x000000), kText,  2.804, true},
    {"wine: desktop lines",             Hex(0x256F95), Hex(0xF5F5F5), Hex(0x000000), kLine,  5.087, true},
    {"Qt Fusion: highlight captions",   Hex(0x308CC6), Hex(0xEFEFEF), Hex(0x000000), kText,  3.208, true},
    {"Qt Fusion: black desktop lines",  Hex(0x000000), Hex(0xEFEFEF), Hex(0x000000), kLine, 18.263, true},
    {"Windows 7: highlight captions",   Hex(0x3399FF), Hex(0xF0F0F0), Hex(0x000000), kText,  2.580, true},
    {"Windows 10: highlight captions",  Hex(0x0078D7), Hex(0xF0F0F0), Hex(0x000000), kText,  3.948, true},
    {"Windows classic: desktop lines",  Hex(0x3A6EA5), Hex(0xD4D0C8), Hex(0x000000), kLine,  3.454, true},
    {"KDE Breeze: highlight captions",  Hex(0x3DAEE9), Hex(0xEFF0F1), Hex(0x232627), kText,  2.183, true},
    {"Breeze Dark: highlight captions", Hex(0x3DAEE9), Hex(0x31363B), Hex(0xFCFCFC), kText,  4.897, true},
    {"Windows high contrast black: highlight captions",
                                        Hex(0x1AEBFF), Hex(0x000000), Hex(0xFFFFFF), kText, 14.371, true},
    // Where the scheme makes the ink vanish, the scheme's text colour takes its place.
    {"Breeze Dark: black desktop captions",
                                        Hex(0x000000), Hex(0x31363B), Hex(0xFCFCFC), kText,  1.721, false},
    {"Windows 7: highlight as a line",  Hex(0x3399FF), Hex(0xF0F0F0), Hex(0x000000), kLine,  2.580, false},
    {"high contrast black: captions in the face's colour",
                                        Hex(0x000000), Hex(0x000000), Hex(0xFFFFFF), kText,  1.000, false},
    {"high contrast black: lines in the face's colour",
                                        Hex(0x000000), Hex(0x000000), Hex(0xFFFFFF), kLine,  1.000, false},
    {"high contrast white: captions in the face's colour",
                                        Hex(0xFFFFFF), Hex(0xFFFFFF), Hex(0x000000), kText,  1.000, false},
    // Each threshold from both sides: 2:1 for text, 3:1 for lines.
    {"a grey just legible as text",     Hex(0xB4B4B4), Hex(0xFFFFFF), Hex(0x000000), kText,  2.073, true},
    {"a grey just too pale as text",    Hex(0xB8B8B8), Hex(0xFFFFFF), Hex(0x000000), kText,  1.984, false},
    {"a grey just legible as a line",   Hex(0x949494), Hex(0xFFFFFF), Hex(0x000000), kLine,  3.033, true},
    {"a grey just too pale as a line",  Hex(0x989898), Hex(0xFFFFFF), Hex(0x000000), kLine,  2.885, false},
};
// clang-format on

}  // namespace

class TestLegibleColour : public QObject {
  Q_OBJECT

 private slots:
  void schemes_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kSchemes)); ++row) {
      QTest::newRow(kSchemes[row].scheme) << row;
    }
  }
  void schemes() {
    QFETCH(int, row);
    const SchemeCase& c = kSchemes[row];
    QVERIFY(qAbs(ContrastRatio(c.wanted, c.background) - c.ratio) < 0.001);
    QVERIFY(qAbs(ContrastRatio(c.background, c.wanted) - c.ratio) < 0.001);
    const Rgb drawn = LegibleColour(c.wanted, c.background, c.text, c.ink);
    QVERIFY(drawn == (c.kept ? c.wanted : c.text));
  }

  // The whole window under one scheme: captions and lines judged against the face their
  // window record names, whichever system colour that is.
  void recordsOnTheirFace() {
    using gavrento::kDesktopColour;
    using gavrento::kHighlightColour;
    // Wine's colours: desktop #256F95, highlight #3096FA, face #F5F5F5, button text black.
    constexpr Scheme kWine{.desktop = Hex(0x256F95),
                           .highlight = Hex(0x3096FA),
                           .button_face = Hex(0xF5F5F5),
                           .button_text = Hex(0x000000)};
    constexpr gavrento::LineRecord kLine{.colour = kDesktopColour};
    constexpr gavrento::ControlRecord kHeading{.colour = kHighlightColour};
    gavrento::WindowRecord window{};
    QVERIFY(gavrento::FaceColour(window, kWine) == Hex(0xF5F5F5));
    QVERIFY(gavrento::LineColour(window, kLine, kWine) == Hex(0x256F95));
    QVERIFY(gavrento::CaptionColour(window, kHeading, kWine) == Hex(0x3096FA));
    // A window on the desktop colour: its lines in that colour would vanish (1:1), the
    // highlight caption on it is 1.8:1, under the floor for text.
    window.back_colour = kDesktopColour;
    QVERIFY(gavrento::FaceColour(window, kWine) == Hex(0x256F95));
    QVERIFY(gavrento::LineColour(window, kLine, kWine) == Hex(0x000000));
    QVERIFY(gavrento::CaptionColour(window, kHeading, kWine) == Hex(0x000000));
  }

  // The figures WCAG 2 publishes for level AA: 4.5:1 for text (1.4.3), 3:1 for graphics
  // (1.4.11). High-contrast checks and the colours a runtime picks itself are held to them.
  void wcagLevelAA() {
    QCOMPARE(gavrento::kWcagAA.For(Ink::kText), 4.5);
    QCOMPARE(gavrento::kWcagAA.For(Ink::kLine), 3.0);
  }

  void contrastSpansOneToTwentyOne() {
    QCOMPARE(ContrastRatio(Hex(0x000000), Hex(0xFFFFFF)), 21.0);
    QCOMPARE(ContrastRatio(Hex(0x777777), Hex(0x777777)), 1.0);
  }
};

QTEST_APPLESS_MAIN(TestLegibleColour)
#include "test_legible_colour.moc"
