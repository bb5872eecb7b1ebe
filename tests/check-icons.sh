#!/usr/bin/env bash
# The committed icons, read with icoutils and ImageMagick. The Windows icon holds first the
# declared images, a two-colour 32x32, a sixteen-colour 32x32 and a sixteen-colour 16x16,
# the two 32x32 ones with one outline; then 32-bit 48x48 and 256x256 images for large
# display scales, the 256 px one stored as PNG. Each is drawn over most of its square with
# transparent rounded corners. Every PNG and the ICO are what the SVG renders to today.
# Usage: tests/check-icons.sh PACKAGING_DIR
set -uo pipefail
packaging=$1
source "$(dirname "$0")/checks.sh"
work_folder

ico=$packaging/windows/gavrento.ico
expect "five images, as the directory lists them" "$(icotool -l "$ico" | awk '{ print $3, $4, $5, $6 }')" \
  "$(lines '--width=32 --height=32 --bit-depth=1 --palette-size=2' \
    '--width=32 --height=32 --bit-depth=4 --palette-size=16' \
    '--width=16 --height=16 --bit-depth=4 --palette-size=16' \
    '--width=48 --height=48 --bit-depth=32 --palette-size=0' \
    '--width=256 --height=256 --bit-depth=32 --palette-size=0')"
# Windows reads a 256 px image stored as a bitmap too, but at four times the size.
expect "the 256 px image stored as PNG, the others as bitmaps" \
  "$(identify -format '%m ' "$ico")" "ICO ICO ICO ICO PNG "

icotool -x -o "$work" "$ico"
# Each image: its size; more than half of it opaque but not all, the top left corner clear;
# its opaque colours (every transparent pixel is the same one value), two for the two-colour
# image, more otherwise.
describe() {
  local colours
  colours=$(($(identify -format '%k' "$1") - 1))
  ((colours > 2)) && colours=more
  echo "$(convert "$1" -alpha extract -format '%wx%h %[fx:mean > 0.5 && mean < 1 && p{0,0} == 0]' info:) $colours"
}
expect "each image covers most of its square, corners clear, in its colours" \
  "$(for index in 1 2 3 4 5; do describe "$work"/*_"$index"_*.png; done)" \
  "$(lines '32x32 1 2' '32x32 1 more' '16x16 1 more' '48x48 1 more' '256x256 1 more')"
outline() { convert "$1" -alpha extract "$work/$2.png"; }
outline "$work"/*_1_32x32x1.png mono && outline "$work"/*_2_32x32x4.png colour
expect "the two 32x32 images share one outline" \
  "$(compare -metric AE "$work/mono.png" "$work/colour.png" null: 2>&1)" 0

# Rendered afresh from the SVG, against what is committed, pixel by pixel (PNG encoders
# differ between zlib versions): each hicolor PNG at the size its folder names, and each
# image of the ICO.
fresh=$work/fresh
if ! "$packaging/tools/render-icons.sh" "$fresh"; then
  fail "the icons render from the SVG"
  finish
fi
committed_pngs=("$packaging"/icons/hicolor/*x*/apps/gavrento.png)
check "the icon theme has PNGs" test -f "${committed_pngs[0]}"
for committed in "${committed_pngs[@]}"; do
  png=${committed#"$packaging"/}
  size=$(basename "$(dirname "$(dirname "$png")")")
  expect "the SVG renders to the committed $size PNG, at that size" \
    "$(identify -format '%wx%h ' "$committed")$(compare -metric AE "$committed" "$fresh/$png" null: 2>&1)" \
    "$size 0"
done
mkdir "$fresh/images"
icotool -x -o "$fresh/images" "$fresh/windows/gavrento.ico"
expect "the SVG renders to the committed ICO's directory" \
  "$(icotool -l "$fresh/windows/gavrento.ico")" "$(icotool -l "$ico")"
for index in 1 2 3 4 5; do
  committed=$(echo "$work"/*_"${index}"_*.png)
  expect "the SVG renders to the committed ICO's image $index ($(basename "$committed" .png))" \
    "$(compare -metric AE "$committed" "$fresh"/images/*_"${index}"_*.png null: 2>&1)" 0
done
finish
