#!/usr/bin/env bash
# What Gavrento.exe carries, read from the file with binutils, icoutils and xmllint: a GUI
# program for the processor it was built for, importing only Windows' own libraries,
# hardened and without a build time, with its manifest, its Italian version block and its
# icon, image for image the committed packaging/windows/gavrento.ico.
# Usage: tests/windows/check-executable.sh Gavrento.exe ARCH VERSION
#   ARCH: i686 or x86_64; VERSION (MAJOR.MINOR) as the build has it from CMakeLists.txt
set -uo pipefail
exe=$1
arch=$2
version=$3
here=$(dirname "$0")
source "$here/../checks.sh"
committed_icon=$here/../../packaging/windows/gavrento.ico
work_folder

declare -A kFormat=([i686]=pei-i386 [x86_64]=pei-x86-64)
# Address space layout randomisation and no-execute data on both; a 64-bit program also
# takes its addresses from the whole 64-bit space (a 32-bit one has no such flag).
declare -A kSecurityFlags=([i686]="DYNAMIC_BASE NX_COMPAT" [x86_64]="HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT")
headers=$(TZ=UTC objdump -p "$exe")
expect "file format" "$(objdump -f "$exe" | sed -n 's/.*file format //p')" "${kFormat[$arch]}"
expect "GUI subsystem" "$(awk '$1 == "Subsystem" { print $3 }' <<<"$headers")" "(Windows"
# The compiler's runtimes are linked in: nothing to ship beside the executable.
expect "imports only Windows' own libraries" \
  "$(sed -n 's/.*DLL Name: //p' <<<"$headers" | sort -f)" "$(lines GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll)"
expect "security flags: ${kSecurityFlags[$arch]}" \
  "$(awk '/^DllCharacteristics/ { on = 1; next } on && /^\t\t/ { print $1; next } { on = 0 }' <<<"$headers" | xargs)" \
  "${kSecurityFlags[$arch]}"
# A build time in the header would make every build of the same sources a different file.
expect "no link time stamp" "$(sed -n 's/^Time\/Date\s*//p' <<<"$headers")" "Thu Jan  1 00:00:00 1970"

# Every resource is tagged Italian (1040), as its version strings are, but the manifest,
# which holds no text for people and is neutral (0): an image for each of the committed
# icon's, the icon group, the version block, the manifest.
image_count=$(icotool -l "$committed_icon" | wc -l)
expect "resources: $image_count icon images, the icon group and the version block in Italian, the manifest" \
  "$(wrestool -l "$exe" | awk '{ print $1, $2, $3 }')" \
  "$(for ((name = 1; name <= image_count; ++name)); do echo "--type=3 --name=$name --language=1040"; done
    lines '--type=14 --name=1 --language=1040' '--type=16 --name=1 --language=1040' \
      '--type=24 --name=1 --language=0')"

# The manifest, id 1 of type 24, the one Windows reads as the program starts. A manifest
# Windows cannot read stops the program from starting at all, so it is read whole first.
wrestool --raw -x --type=24 --name=1 "$exe" >"$work/manifest"
expect "manifest: well-formed XML" "$(xmllint --noout "$work/manifest" 2>&1)" ""
# Each element is named by its namespace and its name, as Windows reads them: the same name
# in another namespace would be ignored.
el() { printf "*[local-name()='%s' and namespace-uri()='%s']" "$2" "$1"; }
manifest_values() { xmllint --xpath "$1" "$work/manifest" 2>/dev/null | sed -E 's/^ ?[A-Za-z]+="(.*)"$/\1/'; }
readonly kAsmV1=urn:schemas-microsoft-com:asm.v1 kAsmV3=urn:schemas-microsoft-com:asm.v3
readonly kCompatibility=urn:schemas-microsoft-com:compatibility.v1
readonly kSettings2005=http://schemas.microsoft.com/SMI/2005/WindowsSettings
readonly kSettings2016=http://schemas.microsoft.com/SMI/2016/WindowsSettings
expect "manifest: runs as the invoking user" \
  "$(manifest_values "//$(el $kAsmV3 requestedExecutionLevel)/@level")" asInvoker
# Windows 7, 8, 8.1, and 10 and 11, which share one.
expect "manifest: supported systems Windows 7 to 11" \
  "$(manifest_values "//$(el $kCompatibility supportedOS)/@Id")" \
  "$(lines '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' \
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}')"
expect "manifest: Common Controls 6.0.0.0 for any processor, signed with Microsoft's key" \
  "$(manifest_values "//$(el $kAsmV1 dependentAssembly)/$(el $kAsmV1 assemblyIdentity)[@name='Microsoft.Windows.Common-Controls']/@*[name()='version' or name()='processorArchitecture' or name()='publicKeyToken']")" \
  "$(lines 6.0.0.0 '*' 6595b64144ccf1df)"
settings="//$(el $kAsmV3 windowsSettings)"
expect "manifest: aware of each monitor's scale, version 2 where the system has it" \
  "$(manifest_values "$settings/$(el $kSettings2016 dpiAwareness)/text()")" "PerMonitorV2, PerMonitor"
expect "manifest: the older declaration, per monitor from Windows 8.1" \
  "$(manifest_values "$settings/$(el $kSettings2005 dpiAware)/text()")" "true/pm"

wrestool --raw -x --type=16 "$exe" >"$work/version"
strings_of_version=$(strings -el "$work/version" | paste -sd' ')
for pair in "FileVersion $version" "ProductVersion $version" "ProductName Gavrento" \
  "InternalName Gavrento" "OriginalFilename Gavrento.exe" "StringFileInfo 041004B0"; do
  expect "version: $pair" "$(grep -oF -- "$pair" <<<"$strings_of_version")" "$pair"
done
# The Translation value closes the block: Italian (0x0410) in Unicode (code page 1200).
expect "version: translation Italian, Unicode" "$(tail -c 4 "$work/version" | od -An -tx2 | xargs)" \
  "0410 04b0"
# VS_FIXEDFILEINFO: its signature, its own version, then file and product version
# MAJOR.MINOR.0.0, each as two 32-bit words (major and minor in the high and low halves).
IFS=. read -r major minor <<<"$version"
fixed=$(printf '%08x' $(((10#$major << 16) | 10#$minor)))
expect "version: fixed file and product version $((10#$major)).$((10#$minor)).0.0" \
  "$(od -An -tx4 -v "$work/version" | xargs | grep -oE 'feef04bd( [0-9a-f]{8}){5}')" \
  "feef04bd 00010000 $fixed 00000000 $fixed 00000000"

# The icon group lists the committed icon's images in its order (the declared ones first, as
# older Windows take the first that fits), each stored as there and drawing the same pixels.
wrestool -x --type=14 "$exe" >"$work/gavrento.ico"
listing() { icotool -l "$1" | awk '{ print $3, $4, $5 }'; }
expect "icon group: the committed icon's images, in its order" \
  "$(listing "$work/gavrento.ico")" "$(listing "$committed_icon")"
expect "icon images stored as in the committed icon" \
  "$(identify -format '%m %wx%h\n' "$work/gavrento.ico")" \
  "$(identify -format '%m %wx%h\n' "$committed_icon")"
mkdir "$work/built" "$work/committed"
icotool -x -o "$work/built" "$work/gavrento.ico"
icotool -x -o "$work/committed" "$committed_icon"
for committed in "$work"/committed/*.png; do
  image=$(basename "$committed")
  expect "icon image ${image#*_} draws as committed" \
    "$(compare -metric AE "$committed" "$work/built/$image" null: 2>&1)" 0
done

finish
