// The reader's contrast command (reader.cpp): every label's and button's caption, and both end
// points of every line, as the screen shows Gavrento's window, held to WCAG 2 level AA with
// the colour rule's own figures: its ContrastRatio and kWcagAA (runtime/legible_colour.h).
// The reader copies the client area from the screen itself, so what is judged is what the
// user sees, and no picture file is read.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "runtime/legible_colour.h"
#include "runtime/units.h"
#include "runtime/win32/control_ids.h"
#include "tests/windows/reader.h"
#include "window/supeficie_record.h"

namespace gavrento::test {

namespace {

// The window's client area as the screen shows it, in client coordinates.
class Picture {
 public:
  explicit Picture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    ClientToScreen(window, &origin_);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, origin_.x, origin_.y, SRCCOPY);
    GdiFlush();
    const auto* bytes = static_cast<const std::uint8_t*>(bits);  // blue, green, red, unused
    for (int i = 0; bytes != nullptr && i < width_ * height_; ++i, bytes += 4) {
      pixels_.push_back({bytes[2], bytes[1], bytes[0]});
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  bool Taken() const { return !pixels_.empty(); }
  bool Holds(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  POINT Origin() const { return origin_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

  // How many pixels of each colour the box holds, within the client area.
  std::map<std::uint32_t, int> Colours(RECT box) const {
    std::map<std::uint32_t, int> counts;
    for (int y = std::max(0L, box.top); y < std::min<long>(height_, box.bottom); ++y) {
      for (int x = std::max(0L, box.left); x < std::min<long>(width_, box.right); ++x) {
        const Rgb colour = At(x, y);
        ++counts[static_cast<std::uint32_t>(colour.red << 16 | colour.green << 8 | colour.blue)];
      }
    }
    return counts;
  }

  RECT Whole() const { return {0, 0, width_, height_}; }

 private:
  POINT origin_{0, 0};
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

Rgb ColourOf(std::uint32_t key) {
  return {static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
          static_cast<std::uint8_t>(key)};
}

// The commonest colour: the background a caption or line stands on.
Rgb Commonest(const std::map<std::uint32_t, int>& counts) {
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](auto a, auto b) { return a.second < b.second; });
  return most == counts.end() ? Rgb{} : ColourOf(most->first);
}

// The contrast of a caption's ink on its background, the box's commonest colour. Glyphs'
// edges are blended with the background, so the ink is the strongest colour that, with the
// stronger ones, makes up at least 5 % of the pixels that are not background; 1:1 where
// there are none: the ink has vanished.
double InkContrast(const std::map<std::uint32_t, int>& counts) {
  const Rgb background = Commonest(counts);
  std::vector<std::pair<double, int>> inks;  // contrast, pixels
  int ink_pixels = 0;
  for (const auto& [key, count] : counts) {
    if (ColourOf(key) == background) continue;
    inks.emplace_back(ContrastRatio(ColourOf(key), background), count);
    ink_pixels += count;
  }
  std::sort(inks.begin(), inks.end(), [](auto a, auto b) { return a.first > b.first; });
  int taken = 0;
  for (const auto& [contrast, count] : inks) {
    taken += count;
    if (taken * 20 >= ink_pixels) return contrast;
  }
  return 1.0;
}

std::string Ratio(double contrast) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f:1", contrast);
  return text;
}

// Holds every caption to the floor for text; returns the faintest.
double JudgeCaptions(HWND window, const Picture& picture) {
  double faintest = 21;
  for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
    const ControlRecord& record = kSupeficie.controls[i];
    HWND control = GetDlgItem(window, win32::ControlId(i));
    if (record.kind == ControlKind::kTextBox || control == nullptr) continue;
    RECT box = CaptionRoom(control, record.kind == ControlKind::kCommandButton);
    OffsetRect(&box, -picture.Origin().x, -picture.Origin().y);
    const double contrast = InkContrast(picture.Colours(box));
    faintest = std::min(faintest, contrast);
    Check(contrast >= kWcagAA.For(Ink::kText),
          std::string(record.name) + "'s caption stands out " + Ratio(contrast));
  }
  return faintest;
}

// Holds both end points of every line to the floor for lines, against the window's face;
// returns the faintest.
double JudgeLines(const Picture& picture) {
  const Rgb face = Commonest(picture.Colours(picture.Whole()));
  const int dpi = ScreenDpi();
  double faintest = 21;
  for (const LineRecord& line : kSupeficie.lines) {
    for (const auto& [x, y] : {std::pair{line.x1, line.y1}, std::pair{line.x2, line.y2}}) {
      const int px = TwipsToPixels(x, dpi);
      const int py = TwipsToPixels(y, dpi);
      const double contrast = picture.Holds(px, py) ? ContrastRatio(picture.At(px, py), face) : 1;
      faintest = std::min(faintest, contrast);
      Check(contrast >= kWcagAA.For(Ink::kLine), std::string(line.name) + "'s end at " +
                                                     std::to_string(px) + "," + std::to_string(py) +
                                                     " stands out " + Ratio(contrast));
    }
  }
  return faintest;
}

}  // namespace

Status JudgeContrast() {
  HWND window = MainWindow();
  if (window == nullptr) return kNotThere;
  const Picture picture(window);
  if (!picture.Taken()) return kNotThere;
  const double caption = JudgeCaptions(window, picture);
  const double line = JudgeLines(picture);
  Print("NOTE the faintest caption stands out " + Ratio(caption) + " (at least " +
        Ratio(kWcagAA.text) + "), the faintest line end " + Ratio(line) + " (at least " +
        Ratio(kWcagAA.line) + ")");
  return Verdict();
}

}  // namespace gavrento::test
