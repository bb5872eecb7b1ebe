#include "runtime/qt/fonts.h"

#include "runtime/qt/utf8.h"
#include "runtime/units.h"
#include "runtime/window_rules.h"

namespace gavrento::qt {

void RegisterFontStandIns() {
  for (const FontStandIn& stand_in : kFontStandIns) {
    QFont::insertSubstitution(Utf8(stand_in.face), Utf8(stand_in.stand_in));
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
