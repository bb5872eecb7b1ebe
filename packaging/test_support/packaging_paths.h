#pragma once

// Locations baked in by packaging/CMakeLists.txt, so the packaging tests find the committed
// files and the icon generator whatever directory ctest runs them from.
namespace packaging_paths {

// The packaging/ directory of the source tree.
const char* sourceDir();

// The built icon generator (tools/make_icons.cpp).
const char* iconGenerator();

}  // namespace packaging_paths
