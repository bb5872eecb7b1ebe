#include "runtime/arrangement.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "runtime/window_rules.h"

namespace gavrento {

namespace {

// The narrow arrangement's margins around the window's edge, between its groups and between
// the members of a group (a caption and its box).
constexpr int kMarginPixels = 8;
constexpr int kGroupGapPixels = 12;
constexpr int kMemberGapPixels = 4;

// A record's box in the client area; the control's record, or null for a line.
struct Boxed {
  std::string_view name;
  PixelBox box;
  const ControlRecord* control = nullptr;
};

// A box along one axis: where it starts and how long it is.
struct Span {
  int start = 0;
  int length = 0;
  int End() const { return start + length; }
};
Span AlongX(const PixelBox& box) {
  return {box.left, box.width};
}
Span AlongY(const PixelBox& box) {
  return {box.top, box.height};
}
using Along = Span (*)(const PixelBox&);

// The tracks of one axis, between every edge of the boxes from 0 to the extent, where the
// boxes that reach past it are cut.
struct AxisGrid {
  std::vector<int> edges;
  std::vector<GridTrack> tracks;

  int LineAt(int at) const {
    const auto found = std::lower_bound(edges.begin(), edges.end(), std::min(at, edges.back()));
    return static_cast<int>(found - edges.begin()) + 1;
  }
  // Whether the track from..to lies in keeps its pixels.
  bool ExactlyOver(int from, int to) const {
    for (std::size_t i = 0; i < tracks.size(); ++i) {
      if (edges[i] <= from && to <= edges[i + 1]) return tracks[i].size == TrackSize::kExactly;
    }
    return false;
  }
};

// The edges in order, each once.
void Distinct(std::vector<int>& edges) {
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
}

// A track between each two edges: its pixels exactly where KEEP(from, to) says, else at least.
template <typename Keep>
std::vector<GridTrack> TracksBetween(const std::vector<int>& edges, Keep keep) {
  std::vector<GridTrack> tracks;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    tracks.push_back({.size = keep(i) ? TrackSize::kExactly : TrackSize::kAtLeast,
                      .pixels = edges[i + 1] - edges[i]});
  }
  return tracks;
}

// A line's pen keeps its width, so the line its thickness; where two controls overlap, the
// overlap keeps its narrower side, so neither covers more of the other than the records
// draw. Every other track takes what its texts need.
AxisGrid GridAlong(const std::vector<Boxed>& items, int extent, Along along, Along across) {
  AxisGrid grid{.edges = {0, extent}, .tracks = {}};
  for (const Boxed& item : items) {
    grid.edges.push_back(std::min(along(item.box).start, extent));
    grid.edges.push_back(std::min(along(item.box).End(), extent));
  }
  Distinct(grid.edges);
  std::vector<bool> exact(grid.edges.size() - 1, false);
  const auto keep = [&](int from, int to) {
    for (std::size_t i = 0; i < exact.size(); ++i) {
      if (from <= grid.edges[i] && grid.edges[i + 1] <= to) exact[i] = true;
    }
  };
  for (std::size_t a = 0; a < items.size(); ++a) {
    const Span a_along = along(items[a].box);
    const Span a_across = across(items[a].box);
    if (items[a].control == nullptr && a_along.length < a_across.length) {
      keep(a_along.start, a_along.End());
    }
    for (std::size_t b = a + 1; b < items.size() && items[a].control != nullptr; ++b) {
      if (items[b].control == nullptr) continue;
      const Span b_along = along(items[b].box);
      const Span b_across = across(items[b].box);
      const int from = std::max(a_along.start, b_along.start);
      const int to = std::min(a_along.End(), b_along.End());
      const int across_overlap =
          std::min(a_across.End(), b_across.End()) - std::max(a_across.start, b_across.start);
      if (from < to && across_overlap > 0 && to - from <= across_overlap) keep(from, to);
    }
  }
  grid.tracks = TracksBetween(grid.edges, [&](std::size_t i) { return exact[i]; });
  return grid;
}

std::vector<Boxed> RecordBoxes(const WindowRecord& window) {
  std::vector<Boxed> items;
  for (const LineRecord& line : window.lines) items.push_back({line.name, LineBox(line)});
  for (const ControlRecord& control : window.controls) {
    items.push_back({control.name, ControlBox(control), &control});
  }
  return items;
}

GridPlace PlaceOf(const Boxed& item, const AxisGrid& columns, const AxisGrid& rows,
                  int column_offset, int row_offset) {
  const Span x = AlongX(item.box);
  const Span y = AlongY(item.box);
  return {.name = item.name,
          .column = columns.LineAt(x.start) + column_offset,
          .column_end = columns.LineAt(x.End()) + column_offset,
          .row = rows.LineAt(y.start) + row_offset,
          .row_end = rows.LineAt(y.End()) + row_offset,
          .overhang = std::max(0, x.End() - columns.edges.back()),
          .font_pixels = item.control != nullptr ? FontDrawn(item.control->font).pixels : 0};
}

// A figure's records, moved together so that the figure starts at the top left.
std::vector<Boxed> FigureBoxes(const std::vector<Boxed>& all,
                               std::span<const std::string_view> names) {
  std::vector<Boxed> figure;
  for (const std::string_view name : names) {
    const auto found = std::find_if(all.begin(), all.end(),
                                    [name](const Boxed& item) { return item.name == name; });
    if (found != all.end()) figure.push_back(*found);
  }
  if (figure.empty()) return figure;
  const auto left =
      std::min_element(figure.begin(), figure.end(),
                       [](const auto& a, const auto& b) { return a.box.left < b.box.left; });
  const auto top = std::min_element(figure.begin(), figure.end(), [](const auto& a, const auto& b) {
    return a.box.top < b.box.top;
  });
  const PixelBox origin{.left = left->box.left, .top = top->box.top};
  for (Boxed& item : figure) {
    item.box.left -= origin.left;
    item.box.top -= origin.top;
  }
  return figure;
}

int Extent(const std::vector<Boxed>& items, Along along) {
  int extent = 0;
  for (const Boxed& item : items) extent = std::max(extent, along(item.box).End());
  return extent;
}

// The columns every figure shares: each figure's edges, each track kept exactly where any
// figure keeps it.
AxisGrid FiguresColumns(const std::vector<std::vector<Boxed>>& figures) {
  std::vector<AxisGrid> own;
  AxisGrid shared{.edges = {0}, .tracks = {}};
  for (const std::vector<Boxed>& figure : figures) {
    own.push_back(GridAlong(figure, Extent(figure, AlongX), AlongX, AlongY));
    shared.edges.insert(shared.edges.end(), own.back().edges.begin(), own.back().edges.end());
  }
  Distinct(shared.edges);
  shared.tracks = TracksBetween(shared.edges, [&](std::size_t i) {
    return std::any_of(own.begin(), own.end(), [&](const AxisGrid& grid) {
      return grid.ExactlyOver(shared.edges[i], shared.edges[i + 1]);
    });
  });
  return shared;
}

}  // namespace

GridArrangement RecordsArrangement(const WindowRecord& window) {
  const PixelBox client = ClientBox(window);
  const std::vector<Boxed> items = RecordBoxes(window);
  const AxisGrid columns = GridAlong(items, client.width, AlongX, AlongY);
  const AxisGrid rows = GridAlong(items, client.height, AlongY, AlongX);
  GridArrangement arrangement{.columns = columns.tracks, .rows = rows.tracks, .places = {}};
  for (const Boxed& item : items) arrangement.places.push_back(PlaceOf(item, columns, rows, 0, 0));
  return arrangement;
}

namespace {

// The narrow arrangement's columns: a margin and a fill on either side of the figures'
// columns, which a stacked control spans whole (from kBeforeFigures to the last).
constexpr int kBeforeFigures = 2;
std::vector<GridTrack> NarrowColumns(const AxisGrid& figure_columns) {
  std::vector<GridTrack> columns{{TrackSize::kExactly, kMarginPixels}, {TrackSize::kFill}};
  columns.insert(columns.end(), figure_columns.tracks.begin(), figure_columns.tracks.end());
  columns.push_back({TrackSize::kFill});
  columns.push_back({TrackSize::kExactly, kMarginPixels});
  return columns;
}

// A control stacked in a row of its own, as wide as the screen. A phone's finger and its zoom
// on a focused box ask more of the controls that take the focus than the records give.
GridPlace StackedPlace(const WindowRecord& window, std::string_view name, int row, int column_end) {
  const ControlRecord* control = ControlNamed(window, name);
  const bool tapped = control != nullptr && TakesFocus(*control);
  const int font = control != nullptr ? FontDrawn(control->font).pixels : 0;
  return {.name = name,
          .column = kBeforeFigures,
          .column_end = column_end,
          .row = row,
          .row_end = row + 1,
          .font_pixels = tapped ? std::max(font, kLeastBoxTextPixels) : font,
          .least_height = tapped ? kTouchTargetPixels : 0};
}

}  // namespace

GridArrangement NarrowArrangement(const WindowRecord& window) {
  const std::vector<Boxed> all = RecordBoxes(window);
  std::vector<std::vector<Boxed>> figures;
  for (const NarrowGroup& group : window.narrow) {
    if (!group.figure.empty()) figures.push_back(FigureBoxes(all, group.figure));
  }
  const AxisGrid figure_columns = FiguresColumns(figures);
  GridArrangement arrangement{.columns = NarrowColumns(figure_columns),
                              .rows = {{TrackSize::kExactly, kMarginPixels}},
                              .places = {}};
  const int stacked_end = static_cast<int>(arrangement.columns.size());
  std::vector<GridTrack>& rows = arrangement.rows;
  auto figure = figures.begin();
  for (const NarrowGroup& group : window.narrow) {
    if (&group != window.narrow.data()) rows.push_back({TrackSize::kExactly, kGroupGapPixels});
    bool first = true;
    const auto next_member = [&] {
      if (!first) rows.push_back({TrackSize::kExactly, kMemberGapPixels});
      first = false;
      return static_cast<int>(rows.size());
    };
    for (const std::string_view name : group.stacked) {
      const int row = next_member() + 1;
      rows.push_back({TrackSize::kContent});
      arrangement.places.push_back(StackedPlace(window, name, row, stacked_end));
    }
    if (group.figure.empty()) continue;
    const int row_offset = next_member();
    const AxisGrid figure_rows = GridAlong(*figure, Extent(*figure, AlongY), AlongY, AlongX);
    rows.insert(rows.end(), figure_rows.tracks.begin(), figure_rows.tracks.end());
    for (const Boxed& item : *figure) {
      arrangement.places.push_back(
          PlaceOf(item, figure_columns, figure_rows, kBeforeFigures, row_offset));
    }
    ++figure;
  }
  rows.push_back({TrackSize::kExactly, kMarginPixels});
  return arrangement;
}

int NarrowBelowPixels(const WindowRecord& window) {
  return ClientBox(window).width + 2 * kWindowFramePixels;
}

}  // namespace gavrento
