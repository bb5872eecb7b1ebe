# Sourced by the window checks run under wine: the colour schemes the window is shown in,
# as wine reads them from HKCU\Control Panel\Colors when a program starts. The prefix is
# shared by every run, so each run sets the scheme it needs before it starts a program.
#
#   set_colour_scheme NAME   NAME: ordinary (wine's own defaults), high-contrast-black or
#                            high-contrast-white; needs wine_prepare (wine-env.sh) first
#
# Both high-contrast schemes are set as the window's worst case: the desktop colour and the
# highlight, in which the records draw captions and lines, are the button face's own.

colour_schemes() {
  cat <<'TABLE'
name                    ordinary        high-contrast-black     high-contrast-white
ActiveBorder            255,255,255     255,255,255             0,0,0
ActiveTitle             50,150,250      0,0,0                   255,255,255
AppWorkSpace            128,128,128     0,0,0                   255,255,255
Background              37,111,149      0,0,0                   255,255,255
ButtonAlternateFace     255,255,255     0,0,0                   255,255,255
ButtonDkShadow          106,106,106     255,255,255             0,0,0
ButtonFace              245,245,245     0,0,0                   255,255,255
ButtonHilight           255,255,255     255,255,255             0,0,0
ButtonLight             227,227,227     255,255,255             0,0,0
ButtonShadow            166,166,166     255,255,255             0,0,0
ButtonText              0,0,0           255,255,255             0,0,0
GradientActiveTitle     50,150,250      0,0,0                   255,255,255
GradientInactiveTitle   128,128,128     0,0,0                   255,255,255
GrayText                166,166,166     63,242,63               96,0,0
Hilight                 48,150,250      0,0,0                   255,255,255
HilightText             255,255,255     255,255,255             0,0,0
HotTrackingColor        224,224,224     255,255,0               0,0,159
InactiveBorder          255,255,255     255,255,255             0,0,0
InactiveTitle           128,128,128     0,0,0                   255,255,255
InactiveTitleText       200,200,200     255,255,255             0,0,0
InfoText                0,0,0           255,255,255             0,0,0
InfoWindow              255,255,255     0,0,0                   255,255,255
Menu                    255,255,255     0,0,0                   255,255,255
MenuBar                 255,255,255     0,0,0                   255,255,255
MenuHilight             48,150,250      0,0,0                   255,255,255
MenuText                0,0,0           255,255,255             0,0,0
Scrollbar               255,255,255     0,0,0                   255,255,255
TitleText               0,0,0           255,255,255             0,0,0
Window                  255,255,255     0,0,0                   255,255,255
WindowFrame             158,158,158     255,255,255             0,0,0
WindowText              0,0,0           255,255,255             0,0,0
TABLE
}

# One registry file for the whole scheme, read by one regedit: much quicker than a reg
# call per colour.
set_colour_scheme() {
  local scheme=$1 file
  file=$(mktemp --suffix=.reg)
  awk -v scheme="$scheme" '
    NR == 1 { for (i = 2; i <= NF; i++) if ($i == scheme) column = i
              if (!column) exit 1
              print "REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]"; next }
    { gsub(",", " ", $column); printf "\"%s\"=\"%s\"\n", $1, $column }' \
    <(colour_schemes) >"$file" || { rm -f "$file"; echo "no colour scheme $scheme" >&2; return 1; }
  # regedit takes a Windows path; wine's drive Z: is the root of the Unix tree.
  wine_run regedit /S "Z:${file//\//\\}"
  local status=$?
  rm -f "$file"
  return $status
}
