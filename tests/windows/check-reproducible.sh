#!/usr/bin/env bash
# The same sources built twice give the same Gavrento.exe, byte for byte, for each
# processor: two copies of the tree at two different paths, each built in a folder of its
# own, the second build starting after the first has ended. Only the executable and what it
# is made of are built, with the presets' settings (windows-32 and windows-64).
# Usage: tests/windows/check-reproducible.sh [PRESET...]   (default: windows-32 windows-64)
set -uo pipefail
source "$(dirname "$0")/../checks.sh"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
presets=("$@")
[[ ${#presets[@]} -gt 0 ]] || presets=(windows-32 windows-64)
work_folder

# The files git knows of, as they are in the working tree: what a clone of this commit
# holds, plus any change not yet committed.
copy_tree() {
  mkdir -p "$1"
  (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      if [[ -e $file ]]; then printf '%s\0' "$file"; fi  # not a file deleted but not committed
    done | xargs -0 cp --parents -t "$1")
}

build() { # build PRESET SOURCE_COPY: prints the executable's path
  (cd "$2" && cmake --preset "$1" -B "$2/out" >"$2/configure.log" &&
    cmake --build "$2/out" --target gavrento_win32 -j 2 >"$2/build.log") ||
    { cat "$2/configure.log" "$2/build.log" >&2; return 1; }
  echo "$2/out/Gavrento.exe"
}

for preset in "${presets[@]}"; do
  first=$work/$preset/first
  second=$work/$preset/a-second-copy-at-a-longer-path
  copy_tree "$first" && copy_tree "$second" || { fail "$preset: copying the tree"; continue; }
  one=$(build "$preset" "$first") && two=$(build "$preset" "$second") ||
    { fail "$preset: building Gavrento.exe"; continue; }
  # The first differing bytes (offset, octal), if any.
  expect "$preset: Gavrento.exe built twice is the same file ($(sha256sum <"$one" | cut -c1-16)…)" \
    "$(cmp -l "$one" "$two" | head -n 8)" ""
done
finish "reproducible Gavrento.exe"
