#!/usr/bin/env bash
# The Windows Installer package under wine, in a fresh 64-bit prefix, as an administrator would
# use it: installed silently; the program, its Start-menu shortcut and its Add or Remove
# Programs entry found; the program started from the shortcut and used; a later version
# installed over it; an earlier one, and Gavrento for the other processor, refused beside a
# later one, the other processor's later one taking its place; all uninstalled silently, and
# nothing of the program left in the files or the registry.
#
# Usage: tests/windows/check-install.sh ARCH PACKAGE.msi GAVRENTO.exe READ_CONTROLS.exe
#        PRINT_FACTS.exe PREFIX VERSION DESCRIPTION
#   ARCH     i686 or x86_64, the processor of the build; PREFIX is made anew for every run
#   PRINT_FACTS.exe  the facts (tests/print_facts.cpp), for the worked results
#   VERSION, DESCRIPTION  as the build has them from CMakeLists.txt
# The later versions and the other processor's packages are made here with msi.cmake from the
# same Gavrento.exe: what they test is the installer's rules, not the program. msiexec is a
# 64-bit program, so every machine runs this; only starting a 32-bit program needs a machine
# that runs them, and is left out, saying so, elsewhere.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-window.sh"
arch=$1 package=$(realpath "$2") exe=$(realpath "$3") reader_exe=$(realpath "$4")
facts_exe=$(realpath "$5") prefix=$(realpath -m "$6") version=$7 description=$8
source_dir=$(cd "$here/../.." && pwd)
committed_icon=$source_dir/packaging/windows/gavrento.ico

declare -A kLabel=([x86_64]=x64 [i686]=x86)
declare -A kFolder=([x86_64]='C:\Program Files\Gavrento' [i686]='C:\Program Files (x86)\Gavrento')
# Add or Remove Programs reads both views of the registry: 32-bit programs are entered in the
# 32-bit one.
declare -A kUninstallKey=([x86_64]='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
  [i686]='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall')
other=i686
[[ $arch == i686 ]] && other=x86_64

work_folder
export LC_ALL=C  # the program shows its results with a decimal point

# ---- The packages ---------------------------------------------------------------------------

IFS=. read -r major minor <<<"$version"
later=$((10#$major + 1)).$minor
make_package() { # make_package VERSION ARCH: prints the package's path
  local out=$work/packages/$1-$2
  cmake -DSOURCE_DIR="$source_dir" -DVERSION="$1" -DDESCRIPTION="$description" -DARCH="$2" \
    -DEXECUTABLE="$exe" \
    -DOUTPUT="$out.msi" -DWORK_DIR="$out" -P "$source_dir/packaging/windows/msi.cmake" \
    >"$out.log" 2>&1 || { cat "$out.log" >&2; return 1; }
  echo "$out.msi"
}
mkdir -p "$work/packages"
later_package=$(make_package "$later" "$arch") &&
  other_package=$(make_package "$version" "$other") &&
  other_later_package=$(make_package "$later" "$other") || exit 1
property() { # property PACKAGE NAME
  (cd "$work" && msiinfo export "$1" Property) | tr -d '\r' |
    awk -F'\t' -v name="$2" '$1 == name { print $2 }'
}

# ---- A fresh Windows, and a display for the program --------------------------------------

rm -rf "$prefix" "$prefix.lock" "$prefix.log"
# wine adds every Start-menu shortcut to the desktop's own menu through winemenubuilder: not
# in this run's home, nor in anyone's.
export XDG_DATA_HOME=$work/xdg-data XDG_CONFIG_HOME=$work/xdg-config
wine_prepare x86_64 "$prefix" || exit
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wineserver -p  # one server for the whole run: every call starts fast
on_exit "wineserver -k"
start_xvfb || exit
echo "== $(basename "$package") in $prefix"

wine_reader=$reader_exe # reader, focus_is, has_text, click: tests/windows/wine-window.sh
unix_path() { wine_output winepath -u "$1"; }
# msiexec's exit status in full: wine's process status keeps only its low byte.
msiexec_status() { wine_output cmd /v:on /c "msiexec $* & echo !errorlevel!"; }
install_status() { msiexec_status /i "$(wine_output winepath -w "$1")" /qn; }

# The registry as reg.exe shows it, one line per value with its key before it.
registry() {
  local root
  for root in HKLM HKCU; do
    wine_output reg query "$root" /s |
      awk '/^HKEY_/ { key = $0; print key; next } NF { print key "\t" $0 }'
  done | sort
}
files() { (cd "$WINEPREFIX/drive_c" && find . | sort); }
registry >"$work/registry-before"
files >"$work/files-before"

# Each Gavrento in Add or Remove Programs: its key's name, its DisplayVersion.
entries() {
  local key
  for key in "${kUninstallKey[@]}"; do
    wine_output reg query "$key" /s | awk '
      /^HKEY_/ { n = split($0, part, /\\/); code = part[n]; name = version = ""; next }
      $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
      name == "Gavrento" && version != "" { print code, version; name = "" }'
  done
}
value_of() { # value_of KEY NAME
  wine_output reg query "$1" /v "$2" |
    awk -F'    ' -v name="$2" '$2 == name { print $4 }'
}
# Windows puts a per-machine shortcut into the common Start menu, wine into the user's: either.
shortcuts() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Gavrento.lnk'; }
link_field() { lnkinfo "$(shortcuts)" | sed -n "s/^\t$1[[:space:]]*: //p"; }

# ---- Installed --------------------------------------------------------------------------------

code=$(property "$package" ProductCode)
msi_version=$(property "$package" ProductVersion)
folder=${kFolder[$arch]}
expect "the ${kLabel[$arch]} package installs silently (msiexec /i /qn)" "$(install_status "$package")" 0
check "Gavrento.exe is in $folder, as built" cmp -s "$(unix_path "$folder\\Gavrento.exe")" "$exe"
expect "the Start menu has one shortcut named Gavrento" "$(shortcuts | wc -l)" 1
expect "it starts the installed program, in its folder, and says what it does in Italian" \
  "$(link_field 'Local path')|$(link_field 'Working directory')|$(link_field Description)" \
  "$folder\\Gavrento.exe|$folder\\|$description"
check "its icon is packaging/windows/gavrento.ico" \
  cmp -s "$(unix_path "$(link_field 'Icon location')")" "$committed_icon"

expect "Add or Remove Programs has one Gavrento, version $msi_version" "$(entries)" "$code $msi_version"
entry=${kUninstallKey[$arch]}\\$code
expect "its publisher is Ferrovelli Software" "$(value_of "$entry" Publisher)" "Ferrovelli Software"
expect "it offers Uninstall, and neither Modify nor Repair" \
  "$(value_of "$entry" UninstallString) $(value_of "$entry" NoModify) $(value_of "$entry" NoRepair)" \
  "MsiExec.exe /X$code 0x1 0x1"
# Windows shows a Windows Installer product with the icon its package published.
product_icon=$(wine_output reg query 'HKLM\Software\Classes\Installer\Products' /s |
  awk -F'    ' '$2 == "ProductIcon" && $4 ~ /gavrento\.ico$/ { print $4 }')
check "its icon is packaging/windows/gavrento.ico" cmp -s "$(unix_path "$product_icon")" "$committed_icon"

# ---- Started from the Start menu ----------------------------------------------------------

program_status=$work/program-status
program_ended() { [[ -s $program_status ]]; }
# The program has ended, not only closed its window, before anything replaces its file.
uses_the_program() {
  (wine_run start /wait /unix "$(shortcuts)" >/dev/null 2>&1; echo $? >"$program_status") &
  poll 60 focus_is CmdUscita && click TxtAltezza && poll 10 focus_is TxtAltezza &&
    xdotool type --delay 20 180 && click CmdCalcola &&
    poll 15 has_results "$(worked 180 uomo)" "$(worked 180 donna)" &&
    reader close && poll 30 program_ended && [[ $(cat "$program_status") == 0 ]]
}
# A 32-bit build's programs, Gavrento.exe and the helper that reads windows, run only where
# the machine runs 32-bit programs.
runs_programs=yes
if [[ $arch == i686 ]] && ! why=$(wine_32bit_status); then
  runs_programs=
  echo "$why"
  echo "  (so neither the installed program nor the refusal's message box is looked at)"
fi
if [[ -n $runs_programs ]]; then
  read_facts "$facts_exe" || fail "the facts are read"
  check "started from its shortcut, it shows $(worked 180 uomo) and $(worked 180 donna) for 180" \
    uses_the_program
fi

# ---- Later and earlier versions -----------------------------------------------------------

later_code=$(property "$later_package" ProductCode)
later_version=$(property "$later_package" ProductVersion)
expect "version $later_version installs over it" "$(install_status "$later_package")" 0
expect "Add or Remove Programs has one Gavrento, version $later_version" "$(entries)" \
  "$later_code $later_version"
check "Gavrento.exe is still in $folder" test -e "$(unix_path "$folder\\Gavrento.exe")"

# 1603: a fatal error, here the refusal. With a user interface the refusal is a message box.
expect "version $msi_version is refused over it" "$(install_status "$package")" 1603
# The message box is found by what it says: its title is the installer's to choose.
refusal_says() {
  for message_box in $(xdotool search --onlyvisible --name .); do
    reader dialog "$(xdotool getwindowname "$message_box")" | grep -qF "$1" && return
  done
  return 1
}
installer_ended() { ! kill -0 "$installer" 2>/dev/null; }
# Keys go to the window under the pointer: Return, there, presses OK.
refused_in_italian() {
  wine_run msiexec /i "$(wine_output winepath -w "$package")" >/dev/null 2>&1 &
  installer=$!
  poll 60 refusal_says "È già installata una versione più recente di Gavrento." &&
    xdotool mousemove --window "$message_box" 10 10 key Return && poll 30 installer_ended
}
if [[ -n $runs_programs ]]; then
  check "double-clicked, it says in Italian that a later version is installed" refused_in_italian
fi
expect "and Gavrento $later_version stays" "$(entries)" "$later_code $later_version"

# ---- The other processor's packages -------------------------------------------------------

expect "Gavrento $msi_version for ${kLabel[$other]} is refused beside it" \
  "$(install_status "$other_package")" 1603
other_later_code=$(property "$other_later_package" ProductCode)
expect "Gavrento $later_version for ${kLabel[$other]} installs in its place" \
  "$(install_status "$other_later_package")" 0
expect "Add or Remove Programs has one Gavrento, the ${kLabel[$other]} one" "$(entries)" \
  "$other_later_code $later_version"
check "$folder is gone" test ! -e "$(unix_path "$folder")"
expect "the one shortcut starts the ${kLabel[$other]} program" "$(link_field 'Local path')" \
  "${kFolder[$other]}\\Gavrento.exe"

# ---- Uninstalled ------------------------------------------------------------------------------

expect "it uninstalls silently (msiexec /x /qn)" \
  "$(msiexec_status /x "$(wine_output winepath -w "$other_later_package")" /qn)" 0
expect "Add or Remove Programs has no Gavrento" "$(entries)" ""
# Whatever is new since the prefix was made and names the program or one of its codes, or is
# a record of Windows Installer's about a product, which it keys by a code's 32 hex digits.
names="gavrento|${code//[\{\}]/}|${later_code//[\{\}]/}|${other_later_code//[\{\}]/}"
registry >"$work/registry-after"
left=$(comm -13 "$work/registry-before" "$work/registry-after" |
  grep -iE "$names|\\\\[0-9A-F]{32}(\\\\|$(printf '\t')|$)" | head -n 5)
expect "no registry key or value of the program is left" "$left" ""
left=$(comm -13 "$work/files-before" <(files) | grep -iE "$names" | head -n 5)
expect "no file, folder or shortcut of the program is left" "$left" ""
expect "no file at all is left" "$(comm -13 "$work/files-before" <(files) | while read -r path; do
  [[ -f $WINEPREFIX/drive_c/$path ]] && echo "$path"; done)" ""

finish "$(basename "$package") under wine"
