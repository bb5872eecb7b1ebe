// The one place where the records' units become pixels, for every toolkit. Twips and points
// are lengths: 1440 twips and 72 points make an inch, so how many pixels they come to
// depends on the screen's dots per inch. The Qt build lays out in its device-independent
// pixels, which are always 96 to the inch (Qt scales them itself); the Win32 build asks
// for the resolution of the window's own monitor and converts at that.
#pragma once

namespace gavrento {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
// The resolution the layout was drawn at: there 15 twips make a pixel.
inline constexpr int kBaseDpi = 96;

// To the nearest pixel, halves away from zero, as Windows' own MulDiv rounds.
constexpr int TwipsToPixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2;
  return static_cast<int>((scaled + half) / kTwipsPerInch);
}

constexpr int TwipsToPixels(int twips) {
  return TwipsToPixels(twips, kBaseDpi);
}

// A font's character height for a size in points, in whole pixels rounded down. The
// records' sizes are whole pixels at 96 dots per inch (8.25 points is 11 pixels), and there
// every caption fits its box; at other resolutions the boxes round to the nearest pixel,
// and a font rounded down never grows faster than its box, so a caption keeps the room it
// had as far as its face's widths grow with its height (at 144 dots per inch 9.75 points
// is 19 pixels, not 19.5 rounded to 20, which wrapped "Versione 1.0" under wine).
// The small allowance keeps a product that should be whole, but came out a hair below it
// in floating point, from losing a pixel.
constexpr int PointsToPixels(double points, int dpi) {
  constexpr double kAllowance = 1e-6;
  return static_cast<int>(points * dpi / kPointsPerInch + kAllowance);
}

constexpr int PointsToPixels(double points) {
  return PointsToPixels(points, kBaseDpi);
}

struct PixelBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr bool operator==(const PixelBox&) const = default;
};

// A record's box at a resolution. The edges are converted, and the size is the difference
// of the converted edges. Rounding the width and height on their own would let boxes that
// meet in twips part or overlap by a pixel wherever a position falls on half a pixel (an
// odd multiple of 15 twips at 144 dots per inch); converted edges keep a shared edge
// shared, an overlap of the records an overlap, and a box's right and bottom edges where
// its neighbours' left and top edges are.
constexpr PixelBox BoxToPixels(int left, int top, int width, int height, int dpi) {
  const int pixel_left = TwipsToPixels(left, dpi);
  const int pixel_top = TwipsToPixels(top, dpi);
  return {pixel_left, pixel_top, TwipsToPixels(left + width, dpi) - pixel_left,
          TwipsToPixels(top + height, dpi) - pixel_top};
}

// A line drawn one pixel wide at 96 dots per inch is as many whole pixels wide as the
// scale holds: one up to 191 dots per inch, two from 192. Never thicker than the scale
// makes it, never thinner than a pixel.
constexpr int LineWidthPixels(int dpi) {
  return dpi >= kBaseDpi ? dpi / kBaseDpi : 1;
}

// At 96 dots per inch the layout is the one it was drawn at, 15 twips a pixel.
static_assert(PointsToPixels(8.25) == 11 && PointsToPixels(9.75) == 13);
static_assert(PointsToPixels(11.25) == 15 && PointsToPixels(12) == 16);
static_assert(PointsToPixels(14.25) == 19);
static_assert(TwipsToPixels(5865) == 391 && TwipsToPixels(7710) == 514);
// At 144 (150 %) half pixels round up; at 192 (200 %) every size doubles.
static_assert(TwipsToPixels(5865, 144) == 587 && TwipsToPixels(7710, 144) == 771);
static_assert(TwipsToPixels(5865, 192) == 782 && TwipsToPixels(7710, 192) == 1028);
static_assert(PointsToPixels(8.25, 144) == 16 && PointsToPixels(9.75, 144) == 19);
static_assert(PointsToPixels(14.25, 192) == 38 && PointsToPixels(9.75, 120) == 16);
static_assert(TwipsToPixels(-15, 144) == -2 && TwipsToPixels(-7) == 0);
// Two boxes side by side, 15 twips wide from 15 and from 30: at 144 dots per inch the first
// ends at pixel 3, where the second begins. A width rounded on its own (1.5 to 2) would
// have it end at 4, over its neighbour.
static_assert(BoxToPixels(15, 15, 15, 15, 144) == PixelBox{2, 2, 1, 1});
static_assert(BoxToPixels(30, 15, 15, 15, 144) == PixelBox{3, 2, 2, 1});
// "ALTEZZA" (255 twips high from 1200) and " in cm  " (from 1440) keep their shared strip.
static_assert(BoxToPixels(2520, 1200, 975, 255, 144) == PixelBox{252, 120, 98, 26});
static_assert(BoxToPixels(2640, 1440, 1815, 255, 144) == PixelBox{264, 144, 182, 26});
static_assert(LineWidthPixels(96) == 1 && LineWidthPixels(144) == 1 && LineWidthPixels(192) == 2);

}  // namespace gavrento
