#!/usr/bin/env bash
# Start-up to idle and back out: tandrel (script "quit") against a minimal Qt
# Widgets program, same platform. Usage: bench/startup.sh BUILD_DIR [RUNS]
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

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
time_ms() {
  local t0 t1
  t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000000 ))
}

# One first start, so that the measured runs are ordinary later starts.
TANDREL_SCRIPT=$work/script.txt "$build/tandrel" >/dev/null 2>&1
floor=$(for _ in $(seq "$runs"); do time_ms "$build/bench/minimal_window"; done | median)
text=$(for _ in $(seq "$runs"); do time_ms "$build/bench/minimal_window" --text; done | median)
prog=$(for _ in $(seq "$runs"); do TANDREL_SCRIPT=$work/script.txt time_ms "$build/tandrel"; done | median)
echo "minimal Qt window: ${floor} ms (median of $runs)"
echo "  with text+menu:  ${text} ms (median of $runs)"
echo "tandrel:           ${prog} ms (median of $runs)"
awk -v a="$prog" -v b="$floor" -v c="$text" 'BEGIN { printf "ratio: %.2f (against text+menu: %.2f)\n", a / b, a / c }'
