#!/usr/bin/env bash
# Idle cost of the real program: runs each given program on a private Xvfb,
# waits for its start-up to settle, reads its CPU time from /proc over a
# measured stretch and its resident memory at the end. Two scenes: the main
# window at rest, and the observatory window shown over it.
#
# Usage: bench/idle_cpu.sh [--seconds N] [--size WxH] PROGRAM...
# Each PROGRAM runs in a copy of build/run (make run lays it out), so the
# runs never change a user's settings. Compare several programs (before and
# after a change) in one run: they then share the machine's load.
set -euo pipefail

seconds=20
size=1024x768
programs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    *) programs+=("$(realpath "$1")"); shift ;;
  esac
done
[ ${#programs[@]} -gt 0 ] || { echo "usage: $0 [--seconds N] [--size WxH] PROGRAM..." >&2; exit 2; }

src=$(cd "$(dirname "$0")/.." && pwd)
[ -d "$src/build/run/Fonts" ] || "$src/scripts/prepare-run.sh"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing; scripts/install-deps.sh installs it" >&2; exit 1; }
done

work=$(mktemp -d /tmp/corvala_idle.XXXXXX)
xvfb_pid=""
prog_pid=""
stop() {
  if [ -n "$prog_pid" ]; then kill -KILL "$prog_pid" 2>/dev/null || true; wait "$prog_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  prog_pid="" xvfb_pid=""
}
trap 'stop; rm -rf "$work"' EXIT

ticks=$(getconf CLK_TCK)
# utime + stime of a process, in clock ticks (fields 14 and 15 of its stat line,
# counted after the parenthesised name, which may hold spaces).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
rss_mib() { awk '/^VmRSS:/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }

measure() {  # program scene
  local program=$1 scene=$2
  rm -rf "$work/run" && cp -r "$src/build/run" "$work/run"
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
  local display=":$(head -n 1 "$work/display")"
  (cd "$work/run" && exec env -u WAYLAND_DISPLAY DISPLAY="$display" SDL_VIDEODRIVER=x11 "$program" \
    </dev/null >/dev/null 2>&1) &
  prog_pid=$!
  sleep 3
  if [ "$scene" = observatory ]; then
    # The main window's observatory button (its middle, in frame pixels).
    local w=${size%x*} h=${size#*x}
    DISPLAY="$display" xdotool mousemove $((144 * w / 1024)) $((398 * h / 768)) click 1
    sleep 1
    DISPLAY="$display" xdotool mousemove 0 0
  fi
  sleep 1
  local before after
  before=$(cpu_ticks "$prog_pid")
  sleep "$seconds"
  after=$(cpu_ticks "$prog_pid")
  local rss
  rss=$(rss_mib "$prog_pid")
  stop
  awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" -v rss="$rss" -v p="$program" -v sc="$scene" \
    'BEGIN {printf "| %s | %s | %.1f %% | %s MiB |\n", p, sc, 100 * t / hz / s, rss}'
}

echo "| program | scene | CPU (one core) over ${seconds} s | resident memory |"
echo "|---|---|---|---|"
for scene in main observatory; do
  for program in "${programs[@]}"; do measure "$program" "$scene"; done
done
