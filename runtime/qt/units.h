// The one place where the records' units become Qt's device-independent pixels.
#pragma once

namespace gavrento::qt {

inline constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 dots per inch
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

constexpr int TwipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Font sizes are fixed in pixels, as the layout is: 8.25 pt is 11 pixels on any screen.
constexpr int PointsToPixels(double points) {
  // Sizes are positive, and std::lround is not constexpr.
  return static_cast<int>(points * kPixelsPerPoint + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}

static_assert(PointsToPixels(8.25) == 11 && PointsToPixels(14.25) == 19);
static_assert(TwipsToPixels(5865) == 391 && TwipsToPixels(7710) == 514);

}  // namespace gavrento::qt
