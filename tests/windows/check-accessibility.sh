#!/usr/bin/env bash
# Gavrento.exe as it is met by people who rely on a screen reader or on a high-contrast
# colour scheme, under wine on a virtual display at 96 dots per inch:
#  - read through Active Accessibility (`reader accessibility`, oleacc), every control has
#    its name and role, and the text boxes their texts as values, before and after Calcola;
#  - under a black and a white high-contrast scheme, every caption and every line is found
#    legible in the screen's pixels (`reader contrast`, with the colour rule's own ContrastRatio
#    and WCAG 2 level AA floors), and the share of the ordinary window's ink that still shows
#    is measured.
#
# Usage: tests/windows/check-accessibility.sh ARCH GAVRENTO.exe READER.exe PRINT_FACTS.exe PREFIX
#   ARCH    i686 or x86_64, the processor the programs were built for
#   PRINT_FACTS.exe  the facts (tests/print_facts.cpp), for the worked results
#   PREFIX  the wine prefix (see wine-env.sh)
# With GAVRENTO_WINDOWS_SCREENSHOT=FILE.png it keeps FILE-high-contrast.png: the window under
# the black high-contrast scheme, after Calcola for 180 cm.
# Exits 77 when the machine cannot run 32-bit programs.
set -uo pipefail

source "$(dirname "$0")/wine-window.sh"
arch=$1
exe=$(realpath "$2")
reader_exe=$(realpath "$3")
facts_exe=$(realpath "$4") prefix=$5
screenshot=${GAVRENTO_WINDOWS_SCREENSHOT:+$(realpath -m "${GAVRENTO_WINDOWS_SCREENSHOT%.png}-high-contrast.png")}

readonly kHeight=180
readonly kInkShown=95 # per cent; glyphs' blended edges may differ by a pixel between schemes

wine_prepare "$arch" "$prefix" || exit
work_folder
wine_desktop "$prefix" "$reader_exe" || { fail "Xvfb starts"; finish; }
read_facts "$facts_exe" || { fail "the facts are read"; finish; }
kMan=$(worked "$kHeight" uomo) kWoman=$(worked "$kHeight" donna)
# The other runs set the scheme they need, but a run stopped half-way leaves none behind.
on_exit "set_colour_scheme ordinary"

close_app() { reader close && ended_with 0; }
type_height() { type_into TxtAltezza "$kHeight"; }
calcola() { click CmdCalcola && poll 15 has_results "$kMan" "$kWoman"; }

# The tree as oleacc gives it, and whatever the reader found wrong in it, indented.
tree_holds() { reader accessibility "$@" | grep -v '^PASS ' | sed 's/^/  /'; }

# Every caption and both ends of every line in the screen's pixels: what falls short of
# WCAG 2 level AA, and the faintest of each, indented.
legible() { reader contrast | grep -v '^PASS ' | sed 's/^/  /'; }

# wine's ordinary scheme draws the highlight captions #3096FA on #F5F5F5: 2.8:1 by hand,
# under AA's 4.5:1, as the window's design has them. The reader must find those and no other
# caption or line short, each at that figure: a reader whose floor were lower, or that
# counted a shortfall as a pass, would not.
highlight_short() {
  local said status
  said=$(reader contrast)
  status=$?
  grep '^FAIL' <<<"$said" | sed 's/^/  /'
  ((status == 1)) && grep -q '^FAIL' <<<"$said" &&
    ! grep '^FAIL' <<<"$said" | grep -qv "stands out 2\.[78][0-9]:1$"
}

# What the window draws itself, in the colours the records name: the labels and the lines
# (the buttons and boxes are drawn by Windows' controls in its own colours). A picture of the
# client area, white there and black elsewhere.
drawn_by_the_window() {
  local client_x client_y width height shapes=() x y w h x2 y2
  read -r _ client_x client_y width height < <(reader geometry | grep '^client ') || return 1
  while IFS=$'\t' read -r _ box _; do
    read -r x y w h <<<"$box"
    x=$((x - client_x)) y=$((y - client_y))
    shapes+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
  done < <(awk -F'\t' 'NR == FNR { if ($2 == "Static") label[$1]; next } $1 in label' \
    <(reader texts) <(reader captions))
  while read -r x y _ && read -r x2 y2 _; do
    shapes+=(-draw "line $((x - client_x)),$((y - client_y)) $((x2 - client_x)),$((y2 - client_y))")
  done < <(reader lines)
  convert -size "${width}x${height}" xc:black -fill white -stroke white "${shapes[@]}" "$1"
}

# White where a picture shows ink (anything but its commonest colour, the face), within
# what the window draws itself.
ink_mask() {
  local face
  face=$(convert "$1" -format %c histogram:info:- | sort -rn | head -n1 | grep -o '#[0-9A-F]\{6\}')
  convert "$1" \( +clone -fill "$face" -colorize 100 \) -compose Difference -composite \
    -colorspace Gray -threshold 0 "$work/drawn.png" -compose Multiply -composite "$2"
}

# Of the pixels where the ordinary window shows its captions' and lines' ink, the share that
# shows ink in the other picture too, in per cent.
ink_share() {
  ink_mask "$work/ordinary.png" "$work/ordinary-ink.png" && ink_mask "$1" "$work/other-ink.png" &&
    convert "$work/ordinary-ink.png" "$work/other-ink.png" -compose Multiply -composite \
      "$work/both-ink.png" &&
    awk -v both="$(convert "$work/both-ink.png" -format '%[fx:mean]' info:)" \
      -v ordinary="$(convert "$work/ordinary-ink.png" -format '%[fx:mean]' info:)" \
      'BEGIN { printf "%d\n", 100 * both / ordinary + 0.5 }'
}

echo "== $(basename "$exe") ($arch) through Active Accessibility"
set_colour_scheme ordinary
start_app "$exe" || { fail "the window opens"; finish; }
check "every control has its name and role; the boxes are empty" tree_holds "" "" ""
check "$kHeight typed into TxtAltezza" type_height
check "the height box's value is $kHeight" tree_holds "$kHeight" "" ""
check "Calcola gives $kMan and $kWoman" calcola
check "the result boxes' values are $kMan and $kWoman" tree_holds "$kHeight" "$kMan" "$kWoman"
check "a picture of the ordinary window is taken" shoot client "$work/ordinary.png"
check "the highlight captions, and they alone, stand out under 4.5:1 in wine's ordinary scheme, 2.8:1" \
  highlight_short
drawn_by_the_window "$work/drawn.png" || fail "the places of the captions and lines are read"
check "the window closes" close_app

for scheme in high-contrast-black high-contrast-white; do
  echo "== under the $scheme scheme"
  set_colour_scheme "$scheme"
  if ! start_app "$exe" || ! type_height || ! calcola; then
    fail "the window under $scheme shows the results for $kHeight"
    continue
  fi
  # The frame is wine's, drawn in the scheme's colours too: only the client area is measured.
  shoot client "$work/client.png" || fail "a picture of the window under $scheme"
  check "every caption stands out at least 4.5:1 from its background, every line 3:1 from the face" \
    legible
  share=$(ink_share "$work/client.png")
  echo "  $share % of the ordinary window's ink in its captions and lines shows"
  check "at least $kInkShown % of it shows" test "${share:-0}" -ge "$kInkShown"
  if [[ $scheme == high-contrast-black && -n $screenshot ]]; then
    check "a screenshot of the window is kept" shoot window "$screenshot"
  fi
  close_app || fail "the window under $scheme closes"
done

finish "$(basename "$exe") for $arch, its names and its colours under wine"
