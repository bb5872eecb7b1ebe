// The program keeps its texts as UTF-8; Qt wants them as QString, at this one border.
#pragma once

#include <QString>
#include <string_view>

namespace gavrento::qt {

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace gavrento::qt
