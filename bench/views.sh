#!/usr/bin/env bash
# What opening each view and printing the two big documents costs the running
# program: CPU time (user + system) and peak memory of the whole process,
# from a script of the program's own automation. Each figure is the median of
# RUNS runs minus the median of the run it builds on (start and quit, or the
# frames opened before printing). CPU time rather than wall time, so that a
# busy machine shifts the figures less.
#
# Usage: bench/views.sh RUNS PROGRAM [PROGRAM...]
#   several programs (e.g. an older build and this one) are measured side by
#   side, in turn, round after round.
set -euo pipefail
runs=${1:?usage: bench/views.sh RUNS PROGRAM [PROGRAM...]}
shift
[ $# -ge 1 ] || { echo "usage: bench/views.sh RUNS PROGRAM [PROGRAM...]" >&2; exit 2; }
programs=("$@")
command -v /usr/bin/time >/dev/null || { echo "needs GNU time (Debian: time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# name|script lines separated by ';'|base scenario
scenarios=(
  "start and quit||"
  "1100 start page|show 1100|start and quit"
  "1600 house 3D|show 1600|start and quit"
  "1610 yield|show 1610|start and quit"
  "1620 self-consumption|show 1620|start and quit"
  "1622 KEV|show 1622|start and quit"
  "1630 roof planner|show 1630|start and quit"
  "1110 Kontalo|show 1110|start and quit"
  "4400 directory|show 4400|start and quit"
  "4450 map|show 4450|start and quit"
  "6100 addresses|show 6100|start and quit"
  "all views|show 1100;show 1600;show 1610;show 1620;show 1622;show 1630;show 1110;show 4400;show 4450;show 6100|start and quit"
  "slides PDF|show 1620;click BitBtnPDFErstellung|1620 self-consumption"
  "roof planner and house|show 1630;show 1600|start and quit"
  "paper-house PDF|show 1630;show 1600;click BitBtnPDFErstellungPapierhaus|roof planner and house"
)

# One run: prints "cpu_ms peak_kb". Every frame is left to paint before the
# next line (a file that appears after a pause ends the wait without CPU use).
run_once() {
  local index=$1 lines=$2 dir=$work/p$1
  local program=${programs[$index]}
  mkdir -p "$dir/appdata"
  rm -f "$dir"/go* "$dir/script.log"
  : > "$dir/script.txt"
  if [ -n "$lines" ]; then
    local IFS=';' line n=0
    for line in $lines; do
      n=$((n + 1))
      printf '%s\nwait %s/go%d\n' "$line" "$dir" "$n" >> "$dir/script.txt"
    done
    unset IFS
    ( for k in $(seq "$n"); do sleep 1; touch "$dir/go$k"; done ) &
  fi
  echo quit >> "$dir/script.txt"
  TANDREL_REGISTRY=$dir/registry.reg TANDREL_APPDATA=$dir/appdata TANDREL_DIALOG_LOG=$dir/dialogs.log \
  TANDREL_SHELL_LOG=$dir/shell.log TANDREL_SCRIPT=$dir/script.txt TANDREL_SCRIPT_LOG=$dir/script.log \
    /usr/bin/time -f '%U %S %M' -o "$dir/time" "$program" >/dev/null 2>&1 || true
  wait
  if grep -q '^ERROR' "$dir/script.log" 2>/dev/null; then
    echo "script failed for $program: $(grep '^ERROR' "$dir/script.log" | head -1)" >&2
  fi
  awk '{ printf "%d %d\n", ($1 + $2) * 1000, $3 }' "$dir/time"
}

# A first start of each program (its own settings and folders), so the
# measured ones are ordinary later starts.
for p in "${!programs[@]}"; do run_once "$p" "" >/dev/null; done

for round in $(seq "$runs"); do
  for s in "${!scenarios[@]}"; do
    IFS='|' read -r name lines base <<< "${scenarios[$s]}"
    for p in "${!programs[@]}"; do
      echo "$s $p $(run_once "$p" "$lines")"
    done
  done
done > "$work/results"

{
  for s in "${!scenarios[@]}"; do
    IFS='|' read -r name lines base <<< "${scenarios[$s]}"
    b=-1
    for t in "${!scenarios[@]}"; do
      IFS='|' read -r other _ _ <<< "${scenarios[$t]}"
      [ "$other" = "$base" ] && b=$t
    done
    echo "S $s $b $name"
  done
  cat "$work/results"
} | awk -v np="${#programs[@]}" -v runs="$runs" '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $1 == "S" { base[$2] = $3; n = $2; $1 = $2 = $3 = ""; sub(/^ +/, ""); name[n] = $0; count = n + 1; next }
  { cpu[$1, $2] = cpu[$1, $2] " " $3; mem[$1, $2] = mem[$1, $2] " " $4 }
  END {
    printf "median of %d runs; CPU ms and peak MB; +: against the run it builds on\n", runs
    printf "%-24s", "what"
    for (p = 0; p < np; p++) printf " | %-26s", "program " p + 1 " CPU / peak"
    printf "\n"
    for (s = 0; s < count; s++) {
      printf "%-24s", name[s]
      for (p = 0; p < np; p++) {
        c = median(cpu[s, p]); m = median(mem[s, p]) / 1024
        if (base[s] >= 0) {
          dc = c - median(cpu[base[s], p]); dm = m - median(mem[base[s], p]) / 1024
          printf " | %+5d ms %+6.1f MB (%5.0f MB)", dc, dm, m
        } else
          printf " | %5d ms  %6.1f MB          ", c, m
      }
      printf "\n"
    }
  }'
for p in "${!programs[@]}"; do echo "program $((p + 1)): ${programs[$p]}"; done
