#include "runtime/win32/fonts.h"

#include "runtime/units.h"
#include "runtime/win32/wide_text.h"

namespace gavrento::win32 {

namespace {

bool SameFont(const FontDescriptor& a, const FontDescriptor& b) {
  return a.face == b.face && a.size == b.size && a.weight == b.weight && a.italic == b.italic &&
         a.charset == b.charset;
}

// A negative height asks for the character height, which is what a point size means.
HFONT CreateFontFor(const FontDescriptor& descriptor, int dpi) {
  const std::wstring face = Wide(descriptor.face);
  return CreateFontW(-PointsToPixels(descriptor.size, dpi), 0, 0, 0, descriptor.weight,
                     descriptor.italic ? TRUE : FALSE, FALSE, FALSE,
                     static_cast<DWORD>(descriptor.charset), OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

}  // namespace

FontCache::~FontCache() {
  for (const Entry& entry : entries_) DeleteObject(entry.font);
}

HFONT FontCache::FontFor(const FontDescriptor& descriptor) {
  for (const Entry& entry : entries_) {
    if (SameFont(entry.descriptor, descriptor)) return entry.font;
  }
  HFONT font = CreateFontFor(descriptor, dpi_);
  if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  entries_.push_back({descriptor, font});
  return font;
}

}  // namespace gavrento::win32
