// Where a window's controls and lines go on a page, where a person's text size or spacing may
// ask for more room than the records give. Both arrangements are grids whose lines are the
// records' own edges, so a box whose text needs more widens its columns and heightens its
// rows and moves what lies beyond them: nothing is cut, and nothing comes to cover what it
// did not cover. At the browser's own text size and spacing every track is as wide as the
// records make it, and the window is drawn as the records place it.
#pragma once

#include <string_view>
#include <vector>

#include "runtime/control_record.h"

namespace gavrento {

enum class TrackSize {
  kExactly,  // its pixels: under a line's pen, or where two controls' boxes overlap
  kAtLeast,  // its pixels, or what the texts across it need
  kContent,  // what its texts need
  kFill,     // the room left over, shared with the other fills
};

struct GridTrack {
  TrackSize size = TrackSize::kExactly;
  int pixels = 0;
};

// A record's place: the grid lines it stands between, counted from 1 as CSS counts them; how
// far its box reaches past the last column, where the window cuts it; its text's height in
// pixels, and the least height it takes.
struct GridPlace {
  std::string_view name;
  int column = 0;
  int column_end = 0;
  int row = 0;
  int row_end = 0;
  int overhang = 0;
  int font_pixels = 0;
  int least_height = 0;
};

struct GridArrangement {
  std::vector<GridTrack> columns;
  std::vector<GridTrack> rows;
  std::vector<GridPlace> places;  // the lines, then the controls, each in its records' order
};

// Every control and line at its record's box in the client area, as the least it takes.
GridArrangement RecordsArrangement(const WindowRecord& window);

// The window's narrow groups one under another, between margins: stacked controls as wide as
// the screen, each figure centred at its records' places relative to each other. A phone's
// finger and its zoom on a focused box ask for more than the records give the controls that
// take the focus: kTouchTargetPixels high at least, their text kLeastBoxTextPixels high at
// least.
GridArrangement NarrowArrangement(const WindowRecord& window);
inline constexpr int kTouchTargetPixels = 44;
inline constexpr int kLeastBoxTextPixels = 16;

// The window's frame around its client area, and the widest screen, in CSS pixels at the
// browser's default text size of 16, that takes the narrow arrangement: one narrower than the
// window with its frame.
inline constexpr int kWindowFramePixels = 1;
inline constexpr int kDefaultTextPixels = 16;
int NarrowBelowPixels(const WindowRecord& window);

}  // namespace gavrento
