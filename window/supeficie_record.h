// The window Supeficie as data: the window record, its controls and the two formula
// diagrams. Nothing here is placed or changed at run time.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "runtime/control_record.h"

namespace gavrento {

// The controls the handlers touch.
inline constexpr std::string_view kTxtAltezza = "TxtAltezza";
inline constexpr std::string_view kTxtGavrentoUomo = "TxtGavrentoUomo";
inline constexpr std::string_view kTxtGavrentoDonna = "TxtGavrentoDonna";
inline constexpr std::string_view kCmdCalcola = "CmdCalcola";
inline constexpr std::string_view kCmdCancella = "CmdCancella";
inline constexpr std::string_view kCmdUscita = "CmdUscita";

namespace supeficie_detail {

constexpr int kClientWidth = 5865;   // 391 pixels
constexpr int kClientHeight = 7710;  // 514 pixels

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kText = ControlKind::kTextBox;
constexpr ControlKind kButton = ControlKind::kCommandButton;
constexpr Alignment kLeft = Alignment::kLeft;
constexpr Alignment kCentre = Alignment::kCentre;

constexpr FontDescriptor kSans825{.face = "MS Sans Serif", .size = 8.25};
constexpr FontDescriptor kSans975{.face = "MS Sans Serif", .size = 9.75};
constexpr FontDescriptor kSans12{.face = "MS Sans Serif", .size = 12};
constexpr FontDescriptor kGaramond1425Bold{.face = "Garamond", .size = 14.25, .weight = kBold};
constexpr FontDescriptor kGaramond1125Italic{.face = "Garamond", .size = 11.25, .italic = true};
constexpr FontDescriptor kVerdana975Bold{.face = "Verdana", .size = 9.75, .weight = kBold};
constexpr FontDescriptor kVerdana975Italic{.face = "Verdana", .size = 9.75, .italic = true};

// The heading, the height input, the results and the bottom row. Where two opaque labels
// overlap, the later record is drawn on top (" in cm  " over "ALTEZZA"). The captions over
// the three boxes label them: a click on one puts the cursor in its box.
// clang-format off
constexpr std::array kLayout{
  ControlRecord{.name = "LBLIntestazione",  .kind = kLabel,  .caption = "CALCOLO DEL",                                         .left =  600, .top =  120, .width = 4695, .height = 300, .font = kGaramond1425Bold,   .colour = kHighlightColour, .align = kCentre, .tab_index =  0},
  ControlRecord{.name = "LBLIntestazione2", .kind = kLabel,  .caption = "GAVRENTO",                                            .left =  600, .top =  480, .width = 4695, .height = 300, .font = kGaramond1425Bold,   .colour = kHighlightColour, .align = kCentre, .tab_index = 13},
  ControlRecord{.name = "Label4",           .kind = kLabel,  .caption = "(Utilizzare il punto come separatore dei decimali)",  .left = 1320, .top =  840, .width = 3615, .height = 255, .font = kSans825,            .colour = kHighlightColour, .align = kLeft,   .tab_index = 14},
  ControlRecord{.name = "LBLAltezza",       .kind = kLabel,  .caption = "ALTEZZA",                                             .left = 2520, .top = 1200, .width =  975, .height = 255, .font = kSans975,            .colour = kDesktopColour,   .align = kLeft,   .tab_index =  6, .labels = kTxtAltezza},
  ControlRecord{.name = "Label15",          .kind = kLabel,  .caption = " in cm  ",                                            .left = 2640, .top = 1440, .width = 1815, .height = 255, .font = kSans975,            .colour = kDesktopColour,   .align = kLeft,   .tab_index = 26, .labels = kTxtAltezza},
  ControlRecord{.name = "TxtAltezza",       .kind = kText,   .caption = "",                                                    .left = 2520, .top = 1800, .width =  855, .height = 255, .font = kSans825,            .colour = kDefaultColour,   .align = kCentre, .tab_index =  7, .accessible_name = "ALTEZZA in cm"},
  ControlRecord{.name = "CmdCalcola",       .kind = kButton, .caption = "Calcola",                                             .left = 2400, .top = 5160, .width = 1215, .height = 375, .font = kSans975,            .colour = kDefaultColour,                    .tab_index =  2},
  ControlRecord{.name = "LBLFattore",       .kind = kLabel,  .caption = "GAVRENTO UOMO",                                       .left =  360, .top = 5760, .width = 2775, .height = 255, .font = kGaramond1125Italic, .colour = kDesktopColour,   .align = kLeft,   .tab_index =  9, .labels = kTxtGavrentoUomo},
  ControlRecord{.name = "Label14",          .kind = kLabel,  .caption = "GAVRENTO DONNA",                                      .left = 3360, .top = 5760, .width = 2775, .height = 255, .font = kGaramond1125Italic, .colour = kDesktopColour,   .align = kLeft,   .tab_index = 24, .labels = kTxtGavrentoDonna},
  ControlRecord{.name = "TxtGavrentoUomo",  .kind = kText,   .caption = "",                                                    .left =  960, .top = 6120, .width =  855, .height = 255, .font = kSans825,            .colour = kDefaultColour,   .align = kCentre, .tab_index =  8, .accessible_name = "GAVRENTO UOMO"},
  ControlRecord{.name = "TxtGavrentoDonna", .kind = kText,   .caption = "",                                                    .left = 4080, .top = 6120, .width =  855, .height = 255, .font = kSans825,            .colour = kDefaultColour,   .align = kCentre, .tab_index = 25, .accessible_name = "GAVRENTO DONNA"},
  ControlRecord{.name = "CmdCancella",      .kind = kButton, .caption = "Cancella",                                            .left =  600, .top = 6720, .width = 1215, .height = 375, .font = kSans975,            .colour = kDefaultColour,                    .tab_index =  3},
  ControlRecord{.name = "Label2",           .kind = kLabel,  .caption = "Versione 1.0",                                        .left = 2280, .top = 6720, .width = 1395, .height = 345, .font = kVerdana975Bold,     .colour = kHighlightColour, .align = kLeft,   .tab_index =  4},
  ControlRecord{.name = "CmdUscita",        .kind = kButton, .caption = "Uscita",                                              .left = 4080, .top = 6720, .width = 1215, .height = 375, .font = kSans975,            .colour = kDefaultColour,                    .tab_index =  1},
  ControlRecord{.name = "Label1",           .kind = kLabel,  .caption = "di Marco Ferri",                                      .left = 1920, .top = 7200, .width = 2115, .height = 345, .font = kVerdana975Italic,   .colour = kHighlightColour, .align = kLeft,   .tab_index =  5},
};

// The two formula diagrams: a fraction in square brackets, the woman's 1320 twips below
// the man's. The multiplier is drawn over the numerator's corner.
constexpr std::array kDiagramLabels{
  ControlRecord{.name = "LBLFormula",  .kind = kLabel, .caption = "Formula Utilizzata",    .left =  360, .top = 2520, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 10},
  ControlRecord{.name = "Label5",      .kind = kLabel, .caption = "Gavrento Uomo",         .left =  360, .top = 2880, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 15},
  ControlRecord{.name = "Label3",      .kind = kLabel, .caption = "( Altezza - 152,4 )  ", .left = 2520, .top = 2520, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 11},
  ControlRecord{.name = "LBLFormula2", .kind = kLabel, .caption = "2,54",                  .left = 3000, .top = 3000, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 12},
  ControlRecord{.name = "Label6",      .kind = kLabel, .caption = "x  2,3",                .left = 4320, .top = 2760, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 16},
  ControlRecord{.name = "Label7",      .kind = kLabel, .caption = "+  50",                 .left = 5040, .top = 2760, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 17},
  ControlRecord{.name = "Label10",     .kind = kLabel, .caption = "Formula Utilizzata",    .left =  360, .top = 3840, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 20},
  ControlRecord{.name = "Label11",     .kind = kLabel, .caption = "Gavrento Donna",        .left =  360, .top = 4200, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 21},
  ControlRecord{.name = "Label9",      .kind = kLabel, .caption = "( Altezza - 152,4 )  ", .left = 2520, .top = 3840, .width = 1815, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 19},
  ControlRecord{.name = "Label8",      .kind = kLabel, .caption = "2,54",                  .left = 3000, .top = 4320, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 18},
  ControlRecord{.name = "Label12",     .kind = kLabel, .caption = "x  2,3",                .left = 4320, .top = 4080, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 22},
  ControlRecord{.name = "Label13",     .kind = kLabel, .caption = "+  45,5",               .left = 5040, .top = 4080, .width =  615, .height = 255, .font = kSans975, .colour = kDesktopColour, .align = kLeft, .tab_index = 23},
};

// Inline, as kSupeficie (inline itself) points at them: one object in the whole program,
// not one per file, or GCC with AddressSanitizer fails to link.
inline constexpr std::array kDiagramLines{
  LineRecord{.name = "Line5",  .x1 = 2400, .y1 = 2880, .x2 = 4080, .y2 = 2880, .colour = kDesktopColour},  // man: fraction bar
  LineRecord{.name = "Line2",  .x1 = 2280, .y1 = 3360, .x2 = 2280, .y2 = 2400, .colour = kDesktopColour},  // man: left bracket, upright
  LineRecord{.name = "Line4",  .x1 = 2280, .y1 = 2400, .x2 = 2520, .y2 = 2400, .colour = kDesktopColour},  // man: left bracket, top
  LineRecord{.name = "Line3",  .x1 = 2280, .y1 = 3360, .x2 = 2520, .y2 = 3360, .colour = kDesktopColour},  // man: left bracket, bottom
  LineRecord{.name = "Line6",  .x1 = 4680, .y1 = 2400, .x2 = 4920, .y2 = 2400, .colour = kDesktopColour},  // man: right bracket, top
  LineRecord{.name = "Line7",  .x1 = 4920, .y1 = 3360, .x2 = 4920, .y2 = 2400, .colour = kDesktopColour},  // man: right bracket, upright
  LineRecord{.name = "Line8",  .x1 = 4680, .y1 = 3360, .x2 = 4920, .y2 = 3360, .colour = kDesktopColour},  // man: right bracket, bottom
  LineRecord{.name = "Line1",  .x1 = 2400, .y1 = 4200, .x2 = 4080, .y2 = 4200, .colour = kDesktopColour},  // woman: fraction bar
  LineRecord{.name = "Line10", .x1 = 2280, .y1 = 4680, .x2 = 2280, .y2 = 3720, .colour = kDesktopColour},  // woman: left bracket, upright
  LineRecord{.name = "Line9",  .x1 = 2280, .y1 = 3720, .x2 = 2520, .y2 = 3720, .colour = kDesktopColour},  // woman: left bracket, top
  LineRecord{.name = "Line11", .x1 = 2280, .y1 = 4680, .x2 = 2520, .y2 = 4680, .colour = kDesktopColour},  // woman: left bracket, bottom
  LineRecord{.name = "Line12", .x1 = 4680, .y1 = 3720, .x2 = 4920, .y2 = 3720, .colour = kDesktopColour},  // woman: right bracket, top
  LineRecord{.name = "Line13", .x1 = 4920, .y1 = 4680, .x2 = 4920, .y2 = 3720, .colour = kDesktopColour},  // woman: right bracket, upright
  LineRecord{.name = "Line14", .x1 = 4680, .y1 = 4680, .x2 = 4920, .y2 = 4680, .colour = kDesktopColour},  // woman: right bracket, bottom
};

template <typename... Name>
constexpr std::array<std::string_view, sizeof...(Name)> Names(Name... names) {
  return {names...};
}

// On a screen narrower than the window (a phone's), what a person needs first comes first:
// the heading and the hint, the height, Calcola, each result under its caption, the other
// two buttons; then each diagram whole, its caption over its formula; the version, the credit.
inline constexpr auto kHeading = Names("LBLIntestazione", "LBLIntestazione2");
inline constexpr auto kHint = Names("Label4");
inline constexpr auto kHeight = Names("LBLAltezza", "Label15", "TxtAltezza");
inline constexpr auto kCalcola = Names("CmdCalcola");
inline constexpr auto kMan = Names("LBLFattore", "TxtGavrentoUomo");
inline constexpr auto kWoman = Names("Label14", "TxtGavrentoDonna");
inline constexpr auto kButtons = Names("CmdCancella", "CmdUscita");
inline constexpr auto kManDiagramCaption = Names("LBLFormula", "Label5");
inline constexpr auto kManFormula = Names(
  "Label3", "LBLFormula2", "Label6", "Label7",
  "Line5", "Line2", "Line4", "Line3", "Line6", "Line7", "Line8");
inline constexpr auto kWomanDiagramCaption = Names("Label10", "Label11");
inline constexpr auto kWomanFormula = Names(
  "Label9", "Label8", "Label12", "Label13",
  "Line1", "Line10", "Line9", "Line11", "Line12", "Line13", "Line14");
inline constexpr auto kVersion = Names("Label2");
inline constexpr auto kCredit = Names("Label1");
inline constexpr std::array kNarrowGroups{
  NarrowGroup{.stacked = kHeading},  NarrowGroup{.stacked = kHint},    NarrowGroup{.stacked = kHeight},
  NarrowGroup{.stacked = kCalcola},  NarrowGroup{.stacked = kMan},     NarrowGroup{.stacked = kWoman},
  NarrowGroup{.stacked = kButtons},
  NarrowGroup{.stacked = kManDiagramCaption,   .figure = kManFormula},
  NarrowGroup{.stacked = kWomanDiagramCaption, .figure = kWomanFormula},
  NarrowGroup{.stacked = kVersion},  NarrowGroup{.stacked = kCredit},
};
// clang-format on

template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> Join(const std::array<T, N>& first, const std::array<T, M>& second) {
  std::array<T, N + M> joined{};
  std::copy(first.begin(), first.end(), joined.begin());
  std::copy(second.begin(), second.end(), joined.begin() + N);
  return joined;
}

inline constexpr std::array kControls = Join(kLayout, kDiagramLabels);

template <typename Range, typename Key>
constexpr bool AllDistinct(const Range& records, Key key) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    for (std::size_t j = i + 1; j < records.size(); ++j) {
      if (key(records[i]) == key(records[j])) return false;
    }
  }
  return true;
}

constexpr bool AllNamesDistinct() {
  constexpr auto name = [](const auto& record) { return record.name; };
  if (!AllDistinct(kControls, name) || !AllDistinct(kDiagramLines, name)) return false;
  for (const ControlRecord& control : kControls) {
    for (const LineRecord& line : kDiagramLines) {
      if (control.name == line.name) return false;
    }
  }
  return true;
}

constexpr bool InsideWindow(int left, int top, int width, int height) {
  constexpr int kSlack = 375;  // "GAVRENTO DONNA" reaches past the right edge, and is cut there
  return left >= 0 && top >= 0 && width > 0 && height > 0 &&
         left + width <= kClientWidth + kSlack && top + height <= kClientHeight;
}

constexpr bool AllInsideWindow() {
  constexpr auto control_inside = [](const ControlRecord& c) {
    return InsideWindow(c.left, c.top, c.width, c.height);
  };
  constexpr auto line_inside = [](const LineRecord& l) {
    return InsideWindow(std::min(l.x1, l.x2), std::min(l.y1, l.y2), 1, 1);
  };
  return std::all_of(kControls.begin(), kControls.end(), control_inside) &&
         std::all_of(kDiagramLines.begin(), kDiagramLines.end(), line_inside);
}

static_assert(kControls.size() == 27 && kDiagramLines.size() == 14);
static_assert(AllNamesDistinct(), "every control needs a name of its own");
static_assert(AllDistinct(kControls, [](const ControlRecord& c) { return c.tab_index; }),
              "every control needs a tab index of its own");
static_assert(AllInsideWindow(), "every control starts inside the window");

// A caption without its leading and trailing blanks.
constexpr std::string_view Trimmed(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

// What a screen reader says for a box is what a person reads over it: the captions of the
// labels that label it, trimmed and joined by a blank, in their records' order.
constexpr bool LabelsSpellName(const ControlRecord& box) {
  std::string_view rest = box.accessible_name;
  bool labelled = false;
  for (const ControlRecord& label : kControls) {
    if (label.labels != box.name) continue;
    if (labelled && !rest.starts_with(' ')) return false;
    if (labelled) rest.remove_prefix(1);
    if (!rest.starts_with(Trimmed(label.caption))) return false;
    rest.remove_prefix(Trimmed(label.caption).size());
    labelled = true;
  }
  return labelled && rest.empty();
}
static_assert(std::all_of(kControls.begin(), kControls.end(),
                          [](const ControlRecord& c) {
                            return c.kind != ControlKind::kTextBox || LabelsSpellName(c);
                          }),
              "every text box is labelled by the captions its name is made of");

// How often the narrow arrangement names a record: in its stacked controls and in its figures.
constexpr std::array<int, 2> NarrowCount(std::string_view name) {
  std::array<int, 2> count{};
  for (const NarrowGroup& group : kNarrowGroups) {
    count[0] += static_cast<int>(std::count(group.stacked.begin(), group.stacked.end(), name));
    count[1] += static_cast<int>(std::count(group.figure.begin(), group.figure.end(), name));
  }
  return count;
}

constexpr bool NarrowNamesEachOnce() {
  std::size_t named = 0;
  for (const NarrowGroup& group : kNarrowGroups)
    named += group.stacked.size() + group.figure.size();
  const auto once = [](const auto& record) {
    const std::array<int, 2> count = NarrowCount(record.name);
    return count[0] + count[1] == 1;
  };
  const auto in_figure = [](const LineRecord& line) { return NarrowCount(line.name)[1] == 1; };
  return named == kControls.size() + kDiagramLines.size() &&
         std::all_of(kControls.begin(), kControls.end(), once) &&
         std::all_of(kDiagramLines.begin(), kDiagramLines.end(), in_figure);
}
static_assert(NarrowNamesEachOnce(),
              "a narrow screen shows every control and line once, "
              "a line in a figure");

}  // namespace supeficie_detail

inline constexpr WindowRecord kSupeficie{
    .name = "Supeficie",
    .caption = "Calcolo del Gavrento dell'Uomo e della Donna",
    .client_width = supeficie_detail::kClientWidth,
    .client_height = supeficie_detail::kClientHeight,
    .font = supeficie_detail::kSans12,
    .back_colour = kButtonFaceColour,
    .controls = supeficie_detail::kControls,
    .lines = supeficie_detail::kDiagramLines,
    .narrow = supeficie_detail::kNarrowGroups,
};

// Whether the window has a control of this name and kind.
constexpr bool Denotes(std::string_view name, ControlKind kind) {
  return std::any_of(
      kSupeficie.controls.begin(), kSupeficie.controls.end(),
      [&](const ControlRecord& control) { return control.name == name && control.kind == kind; });
}

// The handlers reach their controls by these names: one that denotes no such control, after
// a record is renamed or its kind changed, fails the build rather than a click.
static_assert(Denotes(kTxtAltezza, ControlKind::kTextBox) &&
              Denotes(kTxtGavrentoUomo, ControlKind::kTextBox) &&
              Denotes(kTxtGavrentoDonna, ControlKind::kTextBox));
static_assert(Denotes(kCmdCalcola, ControlKind::kCommandButton) &&
              Denotes(kCmdCancella, ControlKind::kCommandButton) &&
              Denotes(kCmdUscita, ControlKind::kCommandButton));

}  // namespace gavrento
