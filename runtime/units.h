// The one place where the records' units become pixels, for every toolkit. The layout is
// fixed in pixels at 96 dots per inch, and so are the fonts: 8.25 pt is 11 pixels on any
// screen, so each build shows the same window.
#pragma once

namespace gavrento {

inline constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 dots per inch
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

constexpr int TwipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int PointsToPixels(double points) {
  // Sizes are positive, and std::lround is not constexpr.
  return static_cast<int>(points * kPixelsPerPoint + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}

static_assert(PointsToPixels(8.25) == 11 && PointsToPixels(9.75) == 13);
static_assert(PointsToPixels(11.25) == 15 && PointsToPixels(12) == 16);
static_assert(PointsToPixels(14.25) == 19);
static_assert(TwipsToPixels(5865) == 391 && TwipsToPixels(7710) == 514);

}  // namespace gavrento
