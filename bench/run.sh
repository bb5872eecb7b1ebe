#!/usr/bin/env bash
# Runs every benchmark of a Release build and prints one table (Markdown): each figure a
# median of repeated runs, each ratio from programs measured side by side in one run.
# Usage: bench/run.sh BUILD-DIR [STARTS]
set -euo pipefail
bench=$(realpath "$1")/bench
starts=${2:-21}
quiet() { "$@" 2>/dev/null; }

# What the programs measured make in the temporary folder goes into one of the harness's own,
# removed at the end: where XDG_RUNTIME_DIR is not set, the bare window leaves the folder Qt
# makes then (runtime-<user>), and Gavrento's probe, ended at its first paint as Uscita ends
# the program, must leave none of its own.
harness=$(mktemp -d "${TMPDIR:-/tmp}/gavrento-bench.XXXXXX")
trap 'rm -rf "$harness"' EXIT
export TMPDIR=$harness

# The same platform for every Qt figure: an X server when there is one to start.
if command -v xvfb-run >/dev/null; then
  platform="xcb on Xvfb"
  on_platform() { xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }
else
  platform="offscreen"
  on_platform() { QT_QPA_PLATFORM=offscreen "$@"; }
fi

startup=$(quiet on_platform "$bench/bench_measure_startup" "$starts" \
  "$bench/bench_startup_probe" "$bench/bench_bare_window")
read -r _ probe_ms probe_kb _ bare_ms bare_kb <<<"$(tr '\n' ' ' <<<"$startup")"
if left=$(compgen -G "$harness/gavrento-*"); then
  echo "Gavrento's start-up probe left behind:" $left >&2
  exit 1
fi
read -r _ written_us _ click_us _ handler_us <<<"$(quiet on_platform "$bench/bench_click")"
csv=$(quiet "$bench/bench_format" --benchmark_repetitions=15 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv)
median_ns() { awk -F, -v name="\"$1_median\"" '$1 == name { printf "%.0f", $4 }' <<<"$csv"; }
programma_ns=$(median_ns Programma)
snprintf_ns=$(median_ns Snprintf)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
meets() { awk -v v="$1" -v t="$2" -v op="$3" \
  'BEGIN { ok = op == "<=" ? v <= t : v >= t; print ok ? "yes" : "no" }'; }
time_ratio=$(ratio "$probe_ms" "$bare_ms")
memory_ratio=$(ratio "$probe_kb" "$bare_kb")
speed_ratio=$(ratio "$snprintf_ns" "$programma_ns")
text_ns=$(median_ns ProgrammaTextOnly)
snprintf_text_ns=$(median_ns SnprintfTextOnly)
text_ratio=$(ratio "$snprintf_text_ns" "$text_ns")

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Machine: $(nproc) CPUs, ${cpu:-unknown CPU}; Qt platform: $platform; medians of $starts starts, 20,000 clicks, 15 repetitions."
echo
echo "| Figure | Gavrento | Reference | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|"
echo "| Start-up, exec to first paint | ${probe_ms} ms | ${bare_ms} ms (bare window) | ${time_ratio} × | ≤ 1.15 × | $(meets "$time_ratio" 1.15 "<=") |"
echo "| Peak memory at first paint | $((probe_kb / 1024)) MiB (${probe_kb} kB) | $((bare_kb / 1024)) MiB (${bare_kb} kB) | ${memory_ratio} × | ≤ 1.15 × | $(meets "$memory_ratio" 1.15 "<=") |"
echo "| Calcola: button released to both boxes written | ${written_us} µs | | | ≤ 50 µs | $(meets "$written_us" 50 "<=") |"
echo "| Calcola: press and release, whole | ${click_us} µs | | | | |"
echo "| Calcola: handler alone, through the dispatch | ${handler_us} µs | | | | |"
echo "| CalcolaRisultato + VariantToText, per height | ${programma_ns} ns | ${snprintf_ns} ns (snprintf \"%.15G\") | ${speed_ratio} × faster | ≥ 3 × | $(meets "$speed_ratio" 3 ">=") |"
echo "| VariantToText alone, per result | ${text_ns} ns | ${snprintf_text_ns} ns (snprintf \"%.15G\") | ${text_ratio} × faster | | |"
