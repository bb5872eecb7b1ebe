#!/usr/bin/env bash
# Runs Gavrento.exe under wine on a virtual display and drives it as a person would: keys
# and clicks through the X server, the window read back by a helper through Windows'
# own window messages.
#
# Usage: tests/windows/run-tests.sh ARCH GAVRENTO.exe READER.exe PRINT_FACTS.exe PREFIX [DPI]
#   ARCH      i686 or x86_64, the processor the programs were built for
#   READER.exe     the tests' reader of the window (tests/windows/reader.cpp)
#   PRINT_FACTS.exe  the facts (tests/print_facts.cpp): the window's size, its controls and
#             its lines, the messages and the worked results the checks expect
#   PREFIX    the wine prefix (see wine-env.sh)
#   DPI       the screen's dots per inch: 96 (the default) runs every check; 144 and 192
#             run those the scale changes: the size, the captions, the lines, Calcola
# With GAVRENTO_WINDOWS_SCREENSHOT=FILE.png it keeps a picture of the window showing the
# results for 180 cm: FILE.png at 96 dots per inch, FILE-144dpi.png at 144.
# Exits 77 when the machine cannot run 32-bit programs.
set -uo pipefail

source "$(dirname "$0")/wine-window.sh"
arch=$1
exe=$(realpath "$2")
reader_exe=$(realpath "$3")
facts_exe=$(realpath "$4")
prefix=$5
dpi=${6:-96}

screenshot=
if [[ -n ${GAVRENTO_WINDOWS_SCREENSHOT:-} ]]; then
  case $dpi in
    96) screenshot=$(realpath -m "$GAVRENTO_WINDOWS_SCREENSHOT") ;;
    144) screenshot=$(realpath -m "${GAVRENTO_WINDOWS_SCREENSHOT%.png}-144dpi.png") ;;
  esac
fi

work_folder

# ---- A display, and a Windows of our own on it -----------------------------------------

wine_prepare "$arch" "$prefix" || exit
echo "== driving $exe ($arch) at $dpi dots per inch"
wine_desktop "$prefix" "$reader_exe" "$dpi" || { fail "Xvfb starts"; finish; }

# ---- What the records say --------------------------------------------------------------

read_facts "$facts_exe" || { fail "the facts are read" "$(head -c 300 "$work/facts.json")"; finish; }
# The client area at this resolution: the records' twips, rounded to the nearest pixel
# (587 from 586.5 at 144).
read -r client_width client_height < <(fact --argjson dpi "$dpi" \
  '.clientTwips | [.width, .height] | map(. * $dpi / 1440 + 0.5 | floor) | @tsv')
caption_count=$(fact '[.controls[] | select(.kind != "textbox")] | length')
line_count=$(fact '.lines | length')
child_title=$(fact .messages.childWarning.title)
child_text=$(fact .messages.childWarning.text)
# Each record as it must show at the start: its kind's Windows class and its caption.
records_as_controls() {
  fact '.controls[] | [.name, {label: "Static", textbox: "Edit", button: "Button"}[.kind],
    .caption] | @tsv'
}

# ---- Driving the window ----------------------------------------------------------------

dialog_shows() { [[ $(reader dialog "$1") == *"$2"* ]]; }
no_dialog() { ! reader dialog "$1" >/dev/null; }

tab_walk() {
  local control
  for control in "$@"; do
    xdotool key Tab && poll 10 focus_is "$control" || { echo "  Tab did not reach $control"; return 1; }
  done
}

# Every line of the records painted in its system colour, both end points included.
lines_painted() {
  local picture=$work/lines.png x y colour actual bad=0 points=0
  import -window root "$picture" || return 1
  while read -r x y colour; do
    actual=$(convert "$picture" -format "%[hex:p{$x,$y}]" info:)
    [[ "#${actual:0:6}" == "$colour" ]] || { echo "  $x,$y is #$actual, not $colour"; bad=1; }
    points=$((points + 1))
  done < <(reader lines)
  ((points == 2 * line_count)) || { echo "  $points end points read"; bad=1; }
  return $bad
}

calcola_gives() { click CmdCalcola && poll 15 has_results "$1" "$2"; }

client_size_is() { reader geometry | grep -qx "client [0-9-]* [0-9-]* $1 $2"; }

# A label's caption wraps into no more lines than the label shows (one at least: its line
# may lose the foot of a descender), and no line is wider than the label; a button's caption
# is no wider than the room inside its edge. Every label's and button's caption is measured.
captions_fit() {
  reader captions | awk -F'\t' -v count="$caption_count" '
    { split($2, room, " "); split($3, text, " ")
      shown = int(room[4] / text[3]); if (shown < 1) shown = 1
      if (text[1] > room[3] || text[2] / text[3] > shown) {
        printf "  %s takes %d x %d pixels, has %d x %d\n", $1, text[1], text[2], room[3], room[4]
        bad = 1 } }
    END { if (NR != count) { print "  " NR " captions measured"; bad = 1 }; exit bad }'
}

# The caption's ink on the screen is as wide as the caption measured in its font at this
# resolution, give or take the letters' side bearings: a font left at another resolution's
# size would be a third narrower or wider.
drawn_at_size() {
  local picture=$work/captions.png measured name x y w h text_width ink
  import -window root "$picture" && measured=$(reader captions) || return 1
  for name in "$@"; do
    read -r x y w h text_width _ < <(awk -F'\t' -v n="$name" '$1 == n { print $2, $3 }' <<<"$measured")
    ink=$(convert "$picture" -crop "${w}x${h}+${x}+${y}" +repage -trim -format '%w' info:)
    if ((ink * 100 < text_width * 95 || ink * 100 > text_width * 105)); then
      echo "  $name: its ink is $ink pixels wide, its caption in its font $text_width"
      return 1
    fi
  done
}

screen_dpi_is() { [[ $(reader dpi) == "$1" ]]; }

echo "== the window at $dpi dots per inch, in English ($LC_ALL)"
check "wine shows the screen at $dpi dots per inch" screen_dpi_is "$dpi"
check "the window opens with the focus on Uscita" start_app "$exe"
if [[ $dpi == 96 ]]; then
  check "every record becomes its control, of its kind, with its caption" \
    diff <(reader texts) <(records_as_controls)
fi
check "the client area is $client_width x $client_height pixels" \
  client_size_is "$client_width" "$client_height"
check "every caption fits on its lines" captions_fit
check "the heading, the hint and the version are drawn at their point sizes" \
  drawn_at_size LBLIntestazione Label4 Label2
check "the $line_count lines are painted end to end in the desktop colour" lines_painted
if [[ $dpi == 96 ]]; then
  check "Tab walks Calcola, Cancella, the three boxes and back to Uscita" \
    tab_walk CmdCalcola CmdCancella TxtAltezza TxtGavrentoUomo TxtGavrentoDonna CmdUscita
fi
check "a height is typed into TxtAltezza" type_into TxtAltezza 180
check "Calcola gives $(worked 180 uomo) and $(worked 180 donna) for 180" \
  calcola_gives "$(worked 180 uomo)" "$(worked 180 donna)"
if [[ -n $screenshot ]]; then
  check "a screenshot of the window is taken" shoot window "$screenshot"
fi

readonly kSummary="$(basename "$exe") for $arch at $dpi dots per inch under wine"

# The rest does not depend on the scale: it runs at 96 dots per inch only.
if [[ $dpi != 96 ]]; then
  close_ends_now() { reader close && ended_with 0; }
  check "closing the window ends the program with exit status 0" close_ends_now
  finish "$kSummary"
fi

cancella_clears() {
  tab_walk CmdCancella && xdotool key space &&
    poll 10 has_text TxtAltezza " " && has_results " " " "
}
check "Space on Cancella sets all three boxes to one blank" cancella_clears

# Enter and Escape are handled before the Tab after them: once the focus has moved on,
# whatever they were going to do has been done.
enter_escape_do_nothing() {
  type_into TxtAltezza 110 && xdotool key Return Escape Tab && poll 10 focus_is TxtGavrentoUomo &&
    app_running && no_dialog "$child_title" && has_text TxtAltezza 110 && has_results " " " "
}
check "Enter and Escape in a text box do nothing" enter_escape_do_nothing

enter_warns() {
  tab_walk TxtGavrentoDonna CmdUscita CmdCalcola && xdotool key Return &&
    poll 15 dialog_shows "$child_title" "$child_text" &&
    dialog_shows "$child_title" $'Button\t' && has_results " " " "
}
check "Enter on Calcola with 110 cm shows the child's height warning first" enter_warns

ok_then_computes() {
  xdotool key Return && poll 15 no_dialog "$child_title" &&
    poll 10 has_results "$(worked 110 uomo)" "$(worked 110 donna)" && poll 10 focus_is CmdCalcola
}
check "after OK the weights are computed anyway, the focus back on Calcola" ok_then_computes

overflow_reported() {
  type_into TxtAltezza 1e400 && click CmdCalcola &&
    poll 15 dialog_shows Gavrento "$(fact .messages.overflowReport)" &&
    xdotool key Return && poll 15 no_dialog Gavrento && app_running &&
    has_results "$(worked 110 uomo)" "$(worked 110 donna)"
}
check "an overflow is reported as run-time error 6 and the program goes on" overflow_reported

uscita_ends() { click CmdUscita && ended_with 0; }
check "a click on Uscita ends the program with exit status 0" uscita_ends

moved_to_144dpi() { reader dpi-change | sed 's/^/  /'; }
check "moved to a monitor at 144 dots per inch, the window takes the place Windows suggests and lays itself out there" \
  moved_to_144dpi

space_at_start_ends() { start_app "$exe" && xdotool key space && ended_with 0; }
check "Space at start clicks Uscita, which has the focus: exit status 0" space_at_start_ends

close_ends() { start_app "$exe" && reader close && ended_with 0; }
check "closing the window ends the program with exit status 0" close_ends

# wine takes the user's regional settings from the locale of each process; the helpers
# run in the same one, as every program of a user's session would.
echo "== the window, in Italian"
if locale -a | grep -qix 'it_IT.utf8'; then
  export LC_ALL=it_IT.UTF-8
  italian_results() {
    start_app "$exe" && type_into TxtAltezza 180 &&
      calcola_gives "$(worked 180 uomo ,)" "$(worked 180 donna ,)" && reader close && ended_with 0
  }
  check "Calcola gives $(worked 180 uomo ,) and $(worked 180 donna ,) for 180 in Italian" \
    italian_results
else
  fail "the it_IT.UTF-8 locale is not generated"
fi

finish "$kSummary"
