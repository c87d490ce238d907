# Sourced (not run) by the scripts that run Windows programs under Wine or
# need a private X server: the steps they share. The helpers record what must
# be ended; a test that starts the program sets `trap end_test EXIT`.
#
#   wine_session_start       a fresh WINEPREFIX made ready (slow: wineboot), and
#                            a persistent wineserver so that each program starts
#                            fast; returns 1 when Wine cannot start at all
#   wine_session_end         the wineserver ended and the prefix removed
#   xvfb_start [SIZE]        a private Xvfb (default 1280x1024x24), DISPLAY set;
#                            its process id in xvfb_pid
#   window_wait PATTERN      the id of the first visible window whose name
#                            matches, waiting up to 30 s; empty when none came
#   client_area WINDOW       border and top: where the program's 1024 x 768
#                            picture lies inside the window's frame (equal
#                            borders left, right and below, the title above)
#   point_at X Y             the mouse over pixel X,Y of that picture
#   end_test                 the program in prog_pid killed, the X server in
#                            xvfb_pid ended, the test's folder in work removed

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
xvfb_pid=${xvfb_pid:-}

wine_session_start() {
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/corvala-wine-XXXXXX")
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if ! DISPLAY= timeout 600 "$WINE" wineboot --init >"$WINEPREFIX.boot.log" 2>&1; then
    tail -5 "$WINEPREFIX.boot.log"
    rm -f "$WINEPREFIX.boot.log"
    return 1
  fi
  rm -f "$WINEPREFIX.boot.log"
  # Wine's desktop process keeps the display it started with for as long as
  # the wineserver lives: the one wineboot left (without a display) is ended,
  # and the next starts with the caller's X server.
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -f -p >/dev/null 2>&1 &
}

wine_session_end() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  "$WINESERVER" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}

xvfb_start() {
  local size=${1:-1280x1024x24} display
  display=$(mktemp "${TMPDIR:-/tmp}/corvala-display-XXXXXX")
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$display" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$display")"
  rm -f "$display"
}

window_wait() {
  local window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}

client_area() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  border=$(( (WIDTH - 1024) / 2 ))
  top=$(( HEIGHT - 768 - border ))
  window=$1
}

point_at() {
  xdotool mousemove --window "$window" $(( $1 + border )) $(( $2 + top ))
  sleep 0.3
}

end_test() {
  [ -n "${prog_pid:-}" ] && kill -KILL "$prog_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "${work:?}"
}
