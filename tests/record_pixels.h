// The records' texts and boxes as the Qt tests compare them: as QString, and in pixels at
// 96 dots per inch, through the program's own unit conversion.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <string_view>

#include "runtime/control_record.h"
#include "runtime/units.h"

namespace gavrento::test {

inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect Pixels(const ControlRecord& record) {
  const PixelBox box = BoxToPixels(record.left, record.top, record.width, record.height, kBaseDpi);
  return {box.left, box.top, box.width, box.height};
}

inline QPoint Pixels(int x, int y) {
  return {TwipsToPixels(x), TwipsToPixels(y)};
}

}  // namespace gavrento::test
