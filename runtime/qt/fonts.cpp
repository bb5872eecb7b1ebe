#include "runtime/qt/fonts.h"

#include <array>

#include "runtime/qt/utf8.h"
#include "runtime/units.h"

namespace gavrento::qt {

namespace {

struct StandIn {
  const char* face;
  const char* replacement;
};

// Free faces with close metrics, so the captions fill their boxes as the layout expects.
constexpr std::array kStandIns{
    StandIn{"MS Sans Serif", "Liberation Sans"},
    StandIn{"Garamond", "EB Garamond"},
    StandIn{"Verdana", "DejaVu Sans"},
};

}  // namespace

void RegisterFontStandIns() {
  for (const StandIn& stand_in : kStandIns) {
    QFont::insertSubstitution(QString::fromLatin1(stand_in.face),
                              QString::fromLatin1(stand_in.replacement));
  }
}

// The character set needs no mapping: the records use the Western one throughout, and Qt's
// fonts are chosen by the script of the text they draw.
QFont FontFor(const FontDescriptor& descriptor) {
  QFont font(Utf8(descriptor.face));
  font.setPixelSize(PointsToPixels(descriptor.size));
  font.setWeight(static_cast<QFont::Weight>(descriptor.weight));
  font.setItalic(descriptor.italic);
  return font;
}

}  // namespace gavrento::qt
