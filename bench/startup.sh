#!/usr/bin/env bash
# Start-up to idle and back out: tandrel (script "quit") against a minimal Qt
# Widgets program, same platform. Usage: bench/startup.sh BUILD_DIR [RUNS]
#
# The programs run in turn, round after round, so that a change of the
# machine's load hits all of them alike; the ratio is the median of the
# per-round ratios.
#
# The empty window shows no text, yet it still reads the whole font
# configuration: Qt's fontconfig database asks for it while it is torn down
# at exit. The floor holds that cost at its end, tandrel at its start.
set -euo pipefail
build=${1:-build-rel}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export TANDREL_REGISTRY=$work/registry.reg TANDREL_APPDATA=$work/appdata
export TANDREL_DIALOG_LOG=$work/dialogs.log TANDREL_SHELL_LOG=$work/shell.log
echo quit > "$work/script.txt"
mkdir -p "$work/appdata"

time_us() {
  local t0 t1
  t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000 ))
}

# One first start, so that the measured runs are ordinary later starts.
TANDREL_SCRIPT=$work/script.txt "$build/tandrel" >/dev/null 2>&1
for _ in $(seq "$runs"); do
  floor=$(time_us "$build/bench/minimal_window")
  text=$(time_us "$build/bench/minimal_window" --text)
  painted=$(time_us "$build/bench/minimal_window" --text --painted)
  prog=$(TANDREL_SCRIPT=$work/script.txt time_us "$build/tandrel")
  echo "$floor $text $prog $painted"
done > "$work/times"

awk -v runs="$runs" '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { f[NR] = $1; x[NR] = $2; p[NR] = $3; q[NR] = $4; rf[NR] = $3 / $1; rx[NR] = $3 / $2; rq[NR] = $3 / $4 }
  END {
    printf "minimal Qt window: %.1f ms (median of %d)\n", median(f, NR) / 1000, runs
    printf "  with text+menu:  %.1f ms (median of %d)\n", median(x, NR) / 1000, runs
    printf "  same, painted:   %.1f ms (median of %d)\n", median(q, NR) / 1000, runs
    printf "tandrel:           %.1f ms (median of %d)\n", median(p, NR) / 1000, runs
    printf "ratio: %.2f (against text+menu: %.2f; painted: %.2f)\n", median(rf, NR), median(rx, NR), median(rq, NR)
  }' "$work/times"
