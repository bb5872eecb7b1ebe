#!/usr/bin/env bash
# Renders every raster icon from the one drawing, icons/hicolor/scalable/apps/gavrento.svg:
#   icons/hicolor/<N>x<N>/apps/gavrento.png   antialiased, as rsvg-convert draws them, for
#       each size folder in the packaging folder: the committed folders are the list of sizes
#       (to add one, make its folder icons/hicolor/<N>x<N>/apps and render)
#   windows/gavrento.ico                      the declared images first, as Windows has always
#       had them: 32x32 in 2 colours, 32x32 and 16x16 in 16; then 32-bit 48x48 and 256x256
#       for large display scales, the 256 px one stored as PNG, as Windows expects.
# The palette images are drawn on the pixel grid without antialiasing (pixel-grid.css) and
# each pixel is given its nearest palette colour, without dithering, so they stay as crisp
# as a hand-set pixel image; the drawing puts its straight edges on pixel boundaries at 16
# and 32 px for that reason.
#
# The outputs are committed, so building needs none of these tools: after changing the SVG,
# `cmake --build build --target make_icons` writes them into the source tree, and
# tests/check-icons.sh renders them afresh into a temporary folder to catch any drift.
# Usage: packaging/tools/render-icons.sh [OUTPUT_DIR]   (default: the packaging folder)
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
packaging=$(dirname "$tools")
output=${1:-$packaging}
svg=$packaging/icons/hicolor/scalable/apps/gavrento.svg
# The sixteen Windows colours, in their usual order, and the two of the monochrome image.
readonly kSixteenColours=('#000000' '#800000' '#008000' '#808000' '#000080' '#800080' '#008080'
  '#c0c0c0' '#808080' '#ff0000' '#00ff00' '#ffff00' '#0000ff' '#ff00ff' '#00ffff' '#ffffff')
readonly kTwoColours=('#000000' '#ffffff')

for tool in rsvg-convert convert icotool; do
  command -v "$tool" >/dev/null ||
    { echo "render-icons: $tool is missing (scripts/install-packages.sh test)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for folder in "$packaging"/icons/hicolor/*x*/apps; do
  size_folder=$(basename "$(dirname "$folder")")
  size=${size_folder%x*}
  mkdir -p "$output/icons/hicolor/$size_folder/apps"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$output/icons/hicolor/$size_folder/apps/gavrento.png"
done

palette() { # palette FILE COLOUR...: a strip of one pixel per colour, for -remap
  local file=$1
  shift
  convert "${@/#/xc:}" +append "$file"
}
palette "$work/sixteen.png" "${kSixteenColours[@]}"
palette "$work/two.png" "${kTwoColours[@]}"

# on_pixel_grid SIZE PALETTE OUTPUT: the colours mapped to the palette, the alpha kept as it is.
on_pixel_grid() {
  rsvg-convert --stylesheet "$tools/pixel-grid.css" -w "$1" -h "$1" "$svg" -o "$work/grid.png"
  convert "$work/grid.png" \( +clone -alpha extract \) \( -clone 0 -alpha off +dither -remap "$2" \) \
    -delete 0 +swap -alpha off -compose CopyOpacity -composite "$3"
}
on_pixel_grid 32 "$work/two.png" "$work/32-mono.png"
on_pixel_grid 32 "$work/sixteen.png" "$work/32-colour.png"
on_pixel_grid 16 "$work/sixteen.png" "$work/16-colour.png"

# Order matters to old Windows versions, which take the first image that fits.
hicolor=$output/icons/hicolor
mkdir -p "$output/windows"
icotool -c -o "$output/windows/gavrento.ico" \
  -b 1 "$work/32-mono.png" -b 4 "$work/32-colour.png" -b 4 "$work/16-colour.png" \
  -b 32 "$hicolor/48x48/apps/gavrento.png" --raw="$hicolor/256x256/apps/gavrento.png"
