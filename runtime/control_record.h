// The records a window is made from: one for the window, one per control. Positions and
// sizes are in twips (1/1440 inch; 15 twips a pixel at 96 dots per inch).
#pragma once

#include <span>
#include <string_view>

namespace gavrento {

enum class ControlKind { kLabel, kTextBox, kCommandButton };

// A kind's name where a record is written out as text: the page's element classes, the facts
// the tests read.
constexpr std::string_view KindName(ControlKind kind) {
  if (kind == ControlKind::kTextBox) return "textbox";
  return kind == ControlKind::kCommandButton ? "button" : "label";
}

// How a caption or a text lines up across its control.
enum class Alignment { kLeft, kRight, kCentre };

// An alignment's name where a record is written out as text, in CSS's words.
constexpr std::string_view AlignmentName(Alignment align) {
  if (align == Alignment::kRight) return "right";
  return align == Alignment::kCentre ? "center" : "left";
}

inline constexpr int kRegular = 400;
inline constexpr int kBold = 700;
inline constexpr int kWesternCharset = 0;

struct FontDescriptor {
  std::string_view face;
  double size = 0;  // points
  int weight = kRegular;
  bool italic = false;
  int charset = kWesternCharset;
};

// An index into the user's system colour scheme, never a fixed colour.
inline constexpr int kDefaultColour = -1;  // the control keeps its platform default
inline constexpr int kDesktopColour = 1;
inline constexpr int kHighlightColour = 13;
inline constexpr int kButtonFaceColour = 15;

struct ControlRecord {
  std::string_view name;
  ControlKind kind = ControlKind::kLabel;
  std::string_view caption;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  FontDescriptor font;
  int colour = kDefaultColour;         // text colour
  Alignment align = Alignment::kLeft;  // the platforms' default
  int tab_index = 0;
  std::string_view accessible_name;  // for screen readers: the caption that labels a box
  std::string_view labels;           // a label's: the text box its caption names, if any
};

struct LineRecord {
  std::string_view name;
  int x1 = 0;  // the two end points, in the order stored; both are drawn
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int colour = kDefaultColour;
};

// On a screen narrower than the window, its records are set one under another, a group at a
// time, in reading order: first the group's stacked controls, each on a line of its own as
// wide as the screen, then its figure, whose records keep their places relative to each other.
struct NarrowGroup {
  std::span<const std::string_view> stacked;
  std::span<const std::string_view> figure;
};

struct WindowRecord {
  std::string_view name;
  std::string_view caption;
  int client_width = 0;
  int client_height = 0;
  FontDescriptor font;
  int back_colour = kButtonFaceColour;
  std::span<const ControlRecord> controls;  // later records are drawn over earlier ones
  std::span<const LineRecord> lines;        // drawn on the window itself, under the controls
  std::span<const NarrowGroup> narrow;      // every control and line, once
};

// Whether a control takes the keyboard focus: buttons and text boxes do, labels never.
constexpr bool TakesFocus(const ControlRecord& record) {
  return record.kind != ControlKind::kLabel;
}

}  // namespace gavrento
