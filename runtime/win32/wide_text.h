// The program keeps its texts in UTF-8; Windows takes and gives UTF-16. These two are the
// only crossing points.
#pragma once

#include <string>
#include <string_view>

namespace gavrento::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace gavrento::win32
