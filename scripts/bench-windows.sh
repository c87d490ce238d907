#!/usr/bin/env bash
# make bench-windows: the raster unit and frame benchmarks under Wine beside
# the same sources on Linux, and the GDI presentation in a real window.
#
#   scripts/bench-windows.sh NATIVE_BUILD WINDOWS_BUILD [ROUNDS]
#
# Each round runs, one after the other so that a change of the machine's load
# touches all alike: Linux with Google Benchmark, Linux with the stand-in, and
# Windows (Wine) with the stand-in. The Linux/Windows ratio is taken between
# the two stand-in runs, the same measuring code on both sides. The outputs
# stay in WINDOWS_BUILD/bench-results/; the summary gives medians of the rounds.
set -euo pipefail
cd "$(dirname "$0")/.."
native=$(cd "$1" && pwd)
win=$(cd "$2" && pwd)
rounds=${3:-3}
. scripts/wine-session.sh

if [ ! -x "$WINE" ]; then
  echo "SKIPPED: Windows benchmarks: Wine is not installed (scripts/install-windows-deps.sh installs it)"
  exit 0
fi
out=$win/bench-results/$(date -u +%Y%m%d-%H%M%S)
mkdir -p "$out"
cleanup() {
  wine_session_end
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT
if ! wine_session_start; then
  echo "SKIPPED: Windows benchmarks: Wine cannot start on this machine"
  exit 0
fi
# The program's own screen size, so that the full-screen window is drawn 1:1.
if command -v Xvfb >/dev/null; then xvfb_start 1024x768x24; else unset DISPLAY; fi
# Wine's first program starts its desktop; that is not measured.
"$WINE" "$win/bench/gdi_bench.exe" --benchmark_filter='^$' >/dev/null 2>&1 </dev/null || true

for round in $(seq "$rounds"); do
  echo "== round $round of $rounds, load average $(cut -d' ' -f1-3 /proc/loadavg)" | tee "$out/load-$round.txt"
  for b in rastrix_bench frame_bench; do
    "$native/bench/$b" --benchmark_color=false >"$out/linux-gb.$b.$round.txt" 2>/dev/null
    "$native/bench/${b}_standin" >"$out/linux-standin.$b.$round.txt" 2>/dev/null
    "$WINE" "$win/bench/$b.exe" >"$out/wine-standin.$b.$round.txt" 2>/dev/null </dev/null
  done
  "$WINE" "$win/bench/gdi_bench.exe" >"$out/wine-gdi.$round.txt" 2>&1 </dev/null
  echo "   load average after it: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$out/load-$round.txt"
done

python3 - "$out" "$rounds" <<'EOF' | tee "$out/summary.txt"
import re, statistics, sys
out, rounds = sys.argv[1], int(sys.argv[2])
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
line = re.compile(r"^(BM_\S+)\s+([\d.]+) (ns|us|ms|s)\s+([\d.]+) (ns|us|ms|s)\s+\d+(.*)$")

def texts(name):
    """The output of each round in round order; empty where a round wrote none."""
    for r in range(1, rounds + 1):
        try:
            yield open(f"{out}/{name}.{r}.txt", encoding="utf-8", errors="replace").read()
        except OSError:
            yield ""

def times(text):
    """(name, wall, CPU, label) of every benchmark line, in microseconds."""
    for m in map(line.match, text.splitlines()):
        if m:
            yield m[1], float(m[2]) * scale[m[3]], float(m[4]) * scale[m[5]], m[6].strip()

def rounds_of(kind, bench):
    """Each round's CPU time per benchmark."""
    return [{n: c for n, _, c, _ in times(t)} for t in texts(f"{kind}.{bench}")]

def read(kind, bench):
    runs = {}
    for text in texts(f"{kind}.{bench}"):
        for n, w, c, label in times(text):
            runs.setdefault(n, []).append((w, c, label))
    return {k: (statistics.median(w for w, _, _ in v), statistics.median(c for _, c, _ in v), v[-1][2])
            for k, v in runs.items()}

def us(t):
    return f"{t:.3g}" if t < 100 else f"{t:.0f}"

print(f"Medians of {rounds} rounds, in microseconds (wall / CPU). Ratio: Wine over Linux, both with the stand-in.")
for bench in ("rastrix_bench", "frame_bench"):
    gb, si, wi = read("linux-gb", bench), read("linux-standin", bench), read("wine-standin", bench)
    print(f"\n{bench}")
    print(f"{'Benchmark':36} {'Linux, Google Benchmark':>24} {'Linux, stand-in':>20} {'Wine, stand-in':>20}"
          f" {'ratio CPU':>10} {'ratio wall':>10}  CPU ratio per round, lowest-highest")
    per_si, per_wi = rounds_of("linux-standin", bench), rounds_of("wine-standin", bench)
    for name in si:
        row = f"{name:36}"
        for d in (gb, si, wi):
            row += f" {(us(d[name][0]) + ' / ' + us(d[name][1])) if name in d else 'n/a':>{24 if d is gb else 20}}"
        if name in wi and si[name][1] > 0 and si[name][0] > 0:
            row += f" {wi[name][1] / si[name][1]:>10.2f} {wi[name][0] / si[name][0]:>10.2f}"
            ratios = [w[name] / l[name] for l, w in zip(per_si, per_wi) if name in l and name in w and l[name] > 0]
            if ratios:
                row += f"  {min(ratios):.2f}-{max(ratios):.2f}"
        print(row)
runs = {}
for text in texts("wine-gdi"):
    for n, w, c, label in times(text):
        runs.setdefault(n, []).append((w, c, label))
    for l in text.splitlines():
        if "ERROR OCCURRED" in l:
            runs.setdefault(l.split()[0], []).append(None)
print("\nGDI presentation under Wine (changed rows compared, copied, drawn, messages answered)")
for name, v in runs.items():
    ok = [x for x in v if x is not None]
    if not ok:
        print(f"{name:24} skipped: no display")
        continue
    print(f"{name:24} {us(statistics.median(w for w, _, _ in ok)):>8} / {us(statistics.median(c for _, c, _ in ok)):>8}"
          f"   CPU {us(min(c for _, c, _ in ok))}-{us(max(c for _, c, _ in ok))}   {ok[-1][2]}")
EOF
echo "Outputs: $out"
