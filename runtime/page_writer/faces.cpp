#include "runtime/page_writer/faces.h"

#include <map>
#include <set>
#include <tuple>

#include "runtime/window_rules.h"

namespace gavrento::page_writer {

namespace {

using FaceKey = std::tuple<std::string_view, int, bool>;
using Characters = std::set<char32_t>;

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kLastPrintableAscii = 0x7E;
constexpr char32_t kFirstPrintableLatin1 = 0xA0;
constexpr char32_t kLastLatin1 = 0xFF;

FaceKey KeyOf(const StandInFont& font) {
  return {font.family, font.weight, font.italic};
}

// The records' texts are ASCII, one code point a byte.
void AddText(Characters& characters, std::string_view text) {
  for (const char c : text) characters.insert(static_cast<unsigned char>(c));
}

void AddTypeable(Characters& characters) {
  for (char32_t c = kFirstPrintable; c <= kLastPrintableAscii; ++c) characters.insert(c);
  for (char32_t c = kFirstPrintableLatin1; c <= kLastLatin1; ++c) characters.insert(c);
}

// Latin-1 takes at most two bytes of UTF-8.
std::string Utf8(const Characters& characters) {
  constexpr char32_t kOneByte = 0x80;
  std::string out;
  for (const char32_t c : characters) {
    if (c < kOneByte) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::vector<PageFace> PageFaces(const WindowRecord& window) {
  std::map<FaceKey, Characters> faces;
  // The page's own texts are drawn in the window's face, upright and regular.
  Characters& page = faces[{StandInFace(window.font.face), kRegular, false}];
  AddTypeable(page);
  AddText(page, window.caption);
  for (const ControlRecord& control : window.controls) {
    Characters& drawn = faces[KeyOf(FontDrawn(control.font))];
    drawn.insert(' ');
    AddText(drawn, control.caption);
    if (control.kind == ControlKind::kTextBox) AddTypeable(drawn);
  }
  std::vector<PageFace> listed;
  for (const auto& [key, characters] : faces) {
    const auto& [family, weight, italic] = key;
    listed.push_back({family, weight, italic, Utf8(characters)});
  }
  return listed;
}

}  // namespace gavrento::page_writer
