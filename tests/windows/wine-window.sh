# Sourced by the checks that drive Gavrento's window under wine as a person would: keys and
# clicks through the X server, the window read back by the tests' reader (reader.exe) through
# Windows' own window messages. Brings the shell library (tests/checks.sh), wine's harness (wine-env.sh)
# and the colour schemes (colour-schemes.sh) with it.
#
#   wine_desktop PREFIX READER.exe [DPI]
#                       after wine_prepare: a virtual display and one wine server for the
#                       run; wine places and decorates windows itself, the program's stand-ins
#                       for the faces wine lacks, the screen at DPI (96), the ordinary colours
#   reader COMMAND...   reader.exe (tests/windows/reader.cpp lists the commands)
#   text_of NAME, has_text NAME TEXT, has_results MAN WOMAN, focus_is NAME
#   click NAME          a click in the middle of the control
#   type_into NAME TEXT click into the box, select all, type: its whole text replaced
#   start_app EXE       starts the program and waits for its window, the focus on Uscita
#   stop_app            closes the program started, if it still runs, and waits for its end
#   app_running, app_ended, ended_with STATUS
#   shoot client|window FILE   a picture of the window's client area, or of all of it
#   read_facts PRINT_FACTS.exe  the facts the checks take their expectations from
#                       (tests/print_facts.cpp), printed once; then fact FILTER... reads
#                       them with jq, and worked ALTEZZA uomo|donna [SEPARATOR] gives a
#                       height's worked result

windows_tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$windows_tests/../checks.sh"
source "$windows_tests/wine-env.sh"
source "$windows_tests/colour-schemes.sh"

wine_desktop() {
  local prefix=$1 dpi=${3:-96} face stand_in
  wine_reader=$2
  # Room for the window at 192 dots per inch, 788 x 1071 pixels with wine's frame.
  start_xvfb 1280x1200x24 || return 1
  wineserver -p # one server for every process of the run (stopped by wine_prepare's cleanup)
  export LC_ALL=C
  # Without a window manager wine places and decorates its windows itself, and draws the
  # frame's buttons with Marlett, which a prefix does not pick up by itself. Garamond and
  # Verdana are not in wine: the program's own stand-ins take their place, as in the Qt build.
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [[ -e $marlett ]] && cp "$marlett" "$prefix/drive_c/windows/Fonts/"
  wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  while IFS=$'\t' read -r face stand_in; do
    wine_run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$stand_in" /f \
      >/dev/null 2>&1
  done < <(reader stand-ins)
  # The screen's resolution and colours, which each program reads as it starts. The prefix is
  # shared by the runs: every run sets its own, so none inherits another's.
  wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  set_colour_scheme ordinary
  app_status=$work/app-status
  app_pid=
}

reader() { wine_run "$wine_reader" "$@" 2>/dev/null; }
text_of() { reader texts | awk -F'\t' -v name="$1" '$1 == name { print $3 }'; }
has_text() { [[ "$(text_of "$1")" == "$2" ]]; }
has_results() { has_text TxtGavrentoUomo "$1" && has_text TxtGavrentoDonna "$2"; }
focus_is() { [[ "$(reader focus)" == "$1" ]]; }

click() {
  local point
  point=$(reader point "$1") || return 1
  # shellcheck disable=SC2086  # "X Y", two arguments
  xdotool mousemove $point click 1
}

type_into() {
  click "$1" && poll 10 focus_is "$1" || return 1
  xdotool key Home shift+End && xdotool type --delay 20 "$2" && poll 10 has_text "$1" "$2"
}

app_running() { [[ ! -e $app_status ]]; }
app_ended() { [[ -s $app_status ]]; }
ended_with() { poll 30 app_ended && [[ $(cat "$app_status") == "$1" ]]; }

# A program left running by a failed check is closed first, so one window is ever found.
stop_app() {
  [[ -n $app_pid ]] || return 0
  app_running && reader close && poll 30 app_ended
  wait "$app_pid"
  app_pid=
}

start_app() {
  stop_app
  rm -f "$app_status"
  (
    wine_run "$1" >/dev/null 2>&1
    echo $? >"$app_status"
  ) &
  app_pid=$!
  poll 60 focus_is CmdUscita || return 1
  # Keys go where the pointer is when nothing else took the focus: keep it over the window.
  local point
  point=$(reader point Label1) || return 1
  # shellcheck disable=SC2086  # "X Y", two arguments
  xdotool mousemove $point
}

shoot() {
  local x y w h
  read -r _ x y w h < <(reader geometry | grep "^$1 ") || return 1
  import -window root "$work/root.png" &&
    convert "$work/root.png" -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

read_facts() {
  wine_output "$1" >"$work/facts.json" && jq -e .controls "$work/facts.json" >/dev/null
}
fact() { jq -r "$@" "$work/facts.json"; }
worked() {
  fact --arg altezza "$1" --arg separator "${3:-.}" \
    '.workedResults[] | select(.altezza == $altezza) | .'"$2"' | sub("\\."; $separator)'
}
