#pragma once

// Facts baked in by packaging/CMakeLists.txt, so the packaging tests find the committed files
// whatever directory ctest runs them from.
namespace packaging_paths {

// The packaging/ directory of the source tree.
const char* sourceDir();

// The release, as CMakeLists.txt names it.
const char* version();

}  // namespace packaging_paths
