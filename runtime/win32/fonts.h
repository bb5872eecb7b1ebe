// Fonts from their descriptors, created once per distinct descriptor and kept for the
// window's lifetime, as the controls only borrow the fonts they are given.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/control_record.h"

namespace gavrento::win32 {

class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  // Never null: a face Windows lacks is matched by Windows' own font mapper.
  HFONT FontFor(const FontDescriptor& descriptor);

 private:
  struct Entry {
    FontDescriptor descriptor;
    HFONT font;
  };
  std::vector<Entry> entries_;
};

}  // namespace gavrento::win32
