#!/usr/bin/env bash
# Runs the SDL backend probe on a private Xvfb of the given screen size, so the
# test needs no display of its own and never touches the user's one.
# Usage: run_probe.sh <probe program> <width>x<height>
set -u

probe=$(realpath "$1")
size=$2

for tool in Xvfb xdotool xwd timeout; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "run_probe.sh: $tool is missing; scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done

work=$(mktemp -d /tmp/corvala_x11.XXXXXX)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Xvfb picks a free display number itself and writes it once it accepts
# connections, so parallel runs never collide. It also ends by itself when its
# last client leaves, in case this script is killed before it can clean up.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -terminate 3>"$work/display" \
  </dev/null >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!

display=""
for _ in $(seq 200); do
  if [ "$(wc -l <"$work/display")" -ge 1 ]; then
    display=$(head -n 1 "$work/display")
    break
  fi
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    break
  fi
  sleep 0.05
done
if [ -z "$display" ]; then
  echo "run_probe.sh: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

cd "$work" || exit 1
env -u WAYLAND_DISPLAY -u CORVALA_WINDOWED DISPLAY=":$display" SDL_VIDEODRIVER=x11 \
  timeout -k 5 100 "$probe" </dev/null
rc=$?
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
  echo "run_probe.sh: the probe did not finish in time" >&2
fi
exit "$rc"
