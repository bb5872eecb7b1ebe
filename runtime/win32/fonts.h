// Fonts from their descriptors at one resolution, created once per distinct descriptor and
// kept as long as the cache, as the controls only borrow the fonts they are given. A window
// moved to a monitor of another resolution takes a new cache and lets the old one go.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/control_record.h"

namespace gavrento::win32 {

class FontCache {
 public:
  // Point sizes become pixel heights at dpi dots per inch.
  explicit FontCache(int dpi) : dpi_(dpi) {}
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
  int dpi_;
  std::vector<Entry> entries_;
};

}  // namespace gavrento::win32
