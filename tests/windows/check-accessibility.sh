#!/usr/bin/env bash
# Gavrento.exe as it is met by people who rely on a screen reader or on a high-contrast
# colour scheme, under wine on a virtual display at 96 dots per inch:
#  - read through Active Accessibility (read_accessibility.exe, oleacc), every control has
#    its name and role, and the text boxes their texts as values, before and after Calcola;
#  - under a black and a white high-contrast scheme, every caption and every line is found
#    legible in the screen's pixels (WCAG 2: 4.5:1 for text, 3:1 for lines), and the share of
#    the ordinary window's ink that still shows is measured.
#
# Usage: tests/windows/check-accessibility.sh ARCH GAVRENTO.exe READ_CONTROLS.exe READ_ACCESSIBILITY.exe PREFIX
#   ARCH    i686 or x86_64, the processor the programs were built for
#   PREFIX  the wine prefix (see wine-env.sh)
# With GAVRENTO_WINDOWS_SCREENSHOT=FILE.png it keeps FILE-high-contrast.png: the window under
# the black high-contrast scheme, after Calcola for 180 cm.
# Exits 77 when the machine cannot run 32-bit programs.
set -uo pipefail

source "$(dirname "$0")/wine-window.sh"
arch=$1
exe=$(realpath "$2")
reader_exe=$(realpath "$3")
accessibility_exe=$(realpath "$4")
prefix=$5
screenshot=${GAVRENTO_WINDOWS_SCREENSHOT:+$(realpath -m "${GAVRENTO_WINDOWS_SCREENSHOT%.png}-high-contrast.png")}

readonly kHeight=180
readonly kMan=74.992125984252 # worked by hand for 180 cm
readonly kWoman=70.492125984252
readonly kTextContrast=4.5
readonly kLineContrast=3
readonly kInkShown=95 # per cent; glyphs' blended edges may differ by a pixel between schemes

wine_prepare "$arch" "$prefix" || exit
work_folder
wine_desktop "$prefix" "$reader_exe" || { fail "Xvfb starts"; finish; }
# The other runs set the scheme they need, but a run stopped half-way leaves none behind.
on_exit "set_colour_scheme ordinary"

close_app() { reader close && ended_with 0; }
type_height() { type_into TxtAltezza "$kHeight"; }
calcola() { click CmdCalcola && poll 15 has_results "$kMan" "$kWoman"; }

# The tree as oleacc gives it, and whatever read_accessibility found wrong in it, indented.
tree_holds() { wine_run "$accessibility_exe" "$@" | grep -v '^PASS ' | sed 's/^/  /'; }

# The colours of a picture, the commonest first, as linear light: COUNT R G B (0 to 255).
linear_colours() {
  convert "$1" -colorspace RGB -format %c histogram:info:- | sort -rn |
    sed -E 's/^ *([0-9]+): \(([^,]+),([^,]+),([^)]+)\).*/\1 \2 \3 \4/'
}

# WCAG 2's contrast ratio of two colours given as linear light, 0 to 255 a channel.
readonly kContrast='
  function luminance(r, g, b) { return (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255 }
  function contrast(r1, g1, b1, r2, g2, b2,   a, b) {
    a = luminance(r1, g1, b1); b = luminance(r2, g2, b2)
    return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }'

# The contrast of a picture's ink on its background, the commonest colour. Glyphs' edges are
# blended with the background, so the ink is the strongest colour that makes up at least
# 5 % of the pixels that are not background; 1:1 where there are none: the ink has vanished.
ink_contrast() {
  linear_colours "$1" | awk "$kContrast"'
    NR == 1 { r = $2; g = $3; b = $4; next }
    { printf "%.4f %d\n", contrast($2, $3, $4, r, g, b), $1 }' |
    sort -gr | awk '
      { contrast[NR] = $1; count[NR] = $2; ink += $2 }
      END { if (ink == 0) { print "1.00"; exit }
            for (i = 1; i <= NR; i++) { taken += count[i]; if (taken * 20 >= ink) break }
            printf "%.2f\n", contrast[i] }'
}

# Reads "WHAT CONTRAST" lines and passes when every contrast reaches MINIMUM; says which do
# not, and the faintest of all.
# Usage: judged MINIMUM KIND
judged() {
  awk -v minimum="$1" -v kind="$2" '
    { contrast = $NF; what = $0; sub(/ [^ ]*$/, "", what)
      if (contrast < minimum) { print "  " what " stands out " contrast ":1"; bad = 1 }
      if (NR == 1 || contrast < faintest) faintest = contrast }
    END { print "  the faintest " kind " stands out " faintest ":1"; exit bad || NR == 0 }'
}

# Every label's and button's caption, cut out of the client area where the window shows it
# ("GAVRENTO DONNA" reaches past the window's edge, where the frame is drawn).
caption_contrasts() {
  local picture=$1 client_x client_y name x y w h
  read -r _ client_x client_y _ < <(reader geometry | grep '^client ') || return 1
  while IFS=$'\t' read -r name box _; do
    read -r x y w h <<<"$box"
    convert "$picture" -crop "${w}x${h}+$((x - client_x))+$((y - client_y))" +repage \
      "$work/caption.png"
    echo "$name $(ink_contrast "$work/caption.png")"
  done < <(reader captions)
}
captions_legible() { caption_contrasts "$1" | judged "$kTextContrast" caption; }

# Both end points of every line, against the window's face: its commonest colour.
line_contrasts() {
  local picture=$1 client_x client_y face x y pixel
  read -r _ client_x client_y _ < <(reader geometry | grep '^client ') || return 1
  face=$(linear_colours "$picture" | head -n1 | cut -d' ' -f2-)
  while read -r x y _; do
    pixel=$(convert "$picture" -crop "1x1+$((x - client_x))+$((y - client_y))" +repage \
      -colorspace RGB -format '%[fx:255*r] %[fx:255*g] %[fx:255*b]' info:)
    echo "$pixel $face" | awk -v at="the line's end at $x,$y" "$kContrast"'
      { printf "%s %.2f\n", at, contrast($1, $2, $3, $4, $5, $6) }'
  done < <(reader lines)
}
lines_legible() { line_contrasts "$1" | judged "$kLineContrast" "line end"; }

# What the window draws itself, in the colours the records name: the labels and the lines
# (the buttons and boxes are drawn by Windows' controls in its own colours). A picture of the
# client area, white there and black elsewhere.
drawn_by_the_window() {
  local client_x client_y width height shapes=() name x y w h x2 y2
  read -r _ client_x client_y width height < <(reader geometry | grep '^client ') || return 1
  while IFS=$'\t' read -r name box _; do
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
  check "every caption stands out at least $kTextContrast:1 from its background" \
    captions_legible "$work/client.png"
  check "every line stands out at least $kLineContrast:1 from the window's face" \
    lines_legible "$work/client.png"
  share=$(ink_share "$work/client.png")
  echo "  $share % of the ordinary window's ink in its captions and lines shows"
  check "at least $kInkShown % of it shows" test "${share:-0}" -ge "$kInkShown"
  if [[ $scheme == high-contrast-black && -n $screenshot ]]; then
    check "a screenshot of the window is kept" shoot window "$screenshot"
  fi
  close_app || fail "the window under $scheme closes"
done

finish "$(basename "$exe") for $arch, its names and its colours under wine"
