#!/usr/bin/env bash
# What a Windows Installer package of Gavrento holds, read with msitools (msiinfo, msiextract).
# Usage: tests/windows/check-msi.sh ARCH PACKAGE.msi GAVRENTO.exe VERSION DESCRIPTION
#   ARCH     i686 or x86_64, the processor of the build
#   VERSION, DESCRIPTION  as the build has them from CMakeLists.txt
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../checks.sh"
arch=$1 package=$(realpath "$2") exe=$(realpath "$3") version=$4 description=$5
committed_icon=$here/../../packaging/windows/gavrento.ico

# The codes Windows knows an installed Gavrento by: released packages carry them, so they
# never change.
declare -A kUpgradeCode=([x86_64]="{48E5580A-B9ED-4157-9122-D1DEF65531FE}"
  [i686]="{B08E2A01-E7D1-4A48-A2A5-9F2A89703E2A}")
declare -A kComponentCode=([x86_64]="{D3E2D82C-DA27-48B9-8C09-EA0378D46E5E}"
  [i686]="{04124B76-5DB0-41DA-B5AE-FEC33E23CE85}")
other_arch=i686
[[ $arch == i686 ]] && other_arch=x86_64
# MAJOR.MINOR is MAJOR.MINOR.0 to Windows Installer, which compares major.minor.build as
# numbers, so leading zeros go.
IFS=. read -r major minor <<<"$version"
msi_version=$((10#$major)).$((10#$minor)).0

work_folder
cd "$work" || exit  # msiinfo export writes a table's binary columns into a folder here

rows() { msiinfo export "$package" "$1" | tail -n +4 | tr -d '\r'; }
property() { rows Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
summary() { msiinfo suminfo "$package" | awk -v key="$1: " 'index($0, key) == 1 { print substr($0, length(key) + 1) }'; }

echo "== $(basename "$package") ($arch)"

case $arch in
  x86_64) platform=x64 program_files=ProgramFiles64Folder attributes=256 ;;  # 64-bit component
  i686) platform=Intel program_files=ProgramFilesFolder attributes=0 ;;
esac
expect "for $platform Windows, in Italian (language 1040)" "$(summary Template)" "$platform;1040"
expect "the database's strings are in Windows' Western code page" \
  "$(msiinfo export "$package" _ForceCodepage | tr -d '\r\0' | grep _ForceCodepage)" $'1252\t_ForceCodepage'
check "the package code is a UUID in braces" \
  grep -Eqx '\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}' <<<"$(summary 'Revision number (UUID)')"

expect "the product and its maker" \
  "$(property ProductName) / $(property Manufacturer) / $(property ProductLanguage)" \
  "Gavrento / Ferrovelli Software / 1040"
expect "version $msi_version, from $version" "$(property ProductVersion)" "$msi_version"
expect "the upgrade code of every Gavrento for this processor" "$(property UpgradeCode)" \
  "${kUpgradeCode[$arch]}"
expect "installed for every user of the machine" "$(property ALLUSERS)" 1
expect "Add or Remove Programs offers no Modify and no Repair" \
  "$(property ARPNOMODIFY) $(property ARPNOREPAIR)" "1 1"

expect "Gavrento.exe, and nothing else, in the folder Gavrento of $program_files" \
  "$(rows Directory | awk -F'\t' '$1 == "INSTALLDIR" { print $2, $3 }')
$(rows File | cut -f 1-3)" \
  "$program_files Gavrento
GavrentoExe	Program	Gavrento.exe"
expect "one component, the program, known by its code and its file" "$(rows Component)" \
  "$(printf 'Program\t%s\tINSTALLDIR\t%s\t\tGavrentoExe' "${kComponentCode[$arch]}" "$attributes")"
msiextract --directory "$work/files" "$package" >/dev/null
check "the program in the package is the program built" \
  cmp -s "$exe" "$(find "$work/files" -type f -name Gavrento.exe)"

shortcut=$(rows Shortcut | awk -F'\t' '{ print $2 "|" $3 "|" $4 "|" $5 "|" $7 "|" $9 "|" $12 }')
expect "a Start-menu shortcut Gavrento, to the program, with an Italian description" "$shortcut" \
  "ProgramMenuFolder|Gavrento|Program|[INSTALLDIR]Gavrento.exe|$description|gavrento.ico|INSTALLDIR"
expect "the package's comment is the program's description" "$(summary Comments)" "$description"
expect "the shortcut's icon is also the product's icon in Add or Remove Programs" \
  "$(rows Icon | cut -f 1) $(property ARPPRODUCTICON)" "gavrento.ico gavrento.ico"
msiinfo extract "$package" Icon.gavrento.ico >"$work/icon.ico"
check "that icon is packaging/windows/gavrento.ico" cmp -s "$work/icon.ico" "$committed_icon"

# Upgrades: a later version replaces this one, Gavrento for the other processor is replaced
# up to this version; a later one of either is detected only, to be refused.
upgrade_rows=$(rows Upgrade | cut -f 1-3,5,7 | sort)
expect "the upgrade table" "$upgrade_rows" "$(sort <<EOF
${kUpgradeCode[$arch]}		$msi_version	1	WIX_UPGRADE_DETECTED
${kUpgradeCode[$arch]}	$msi_version		2	WIX_DOWNGRADE_DETECTED
${kUpgradeCode[$other_arch]}	0.0.0	$((10#$major)).$((10#$minor)).1	256	GAVRENTO_OTHER_PROCESSOR
${kUpgradeCode[$other_arch]}	$msi_version		2	GAVRENTO_OTHER_PROCESSOR_NEWER
EOF
)"
refusals=$(rows LaunchCondition | awk -F'\t' '$2 ~ /^È già installata una versione più recente di Gavrento/ { print $1 }')
expect "a later version of either is refused with a message in Italian" "$refusals" \
  "$(lines 'NOT WIX_DOWNGRADE_DETECTED' 'NOT GAVRENTO_OTHER_PROCESSOR_NEWER')"
sequence=$(rows InstallExecuteSequence | sort -t $'\t' -k 3n | cut -f 1 | tr '\n' ' ')
check "an earlier version is removed before anything is installed" \
  grep -q 'InstallValidate RemoveExistingProducts InstallInitialize' <<<"$sequence"
expect "no custom actions" "$(rows CustomAction)" ""

finish "$(basename "$package")"
