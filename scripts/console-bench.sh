#!/usr/bin/env bash
# The engine beside libtcod on whole consoles: 80x50, 160x100 and 320x200
# cells of 8x16 pixels, each with every cell changing every frame and with
# the same screen given again, drawn by the programs of bench/console in
# turns (the order swapped each round) for a few rounds; prints the medians
# of frames per second and CPU milliseconds per frame (the whole process,
# every thread) and their ratios. Runs on the X display in DISPLAY, whose
# screen must hold 2560x3200 pixels; scripts/run-bench.sh starts one.
#   console-bench.sh PROGRAM_FOLDER
# CONSOLE_ROUNDS (3), CONSOLE_SECONDS (2 timed per run) and CONSOLE_WARMUP
# (0.5) change the runs.
set -euo pipefail
programs=$(cd "${1:?usage: console-bench.sh PROGRAM_FOLDER}" && pwd)
rounds=${CONSOLE_ROUNDS:-3}
seconds=${CONSOLE_SECONDS:-2}
warmup=${CONSOLE_WARMUP:-0.5}
sizes=(80x50 160x100 320x200)
modes=(changing static)

sides=(engine)
if [ -x "$programs/console_libtcod" ]; then
  sides+=(libtcod)
else
  echo "libtcod not found (Debian's libtcod-dev; scripts/install-deps.sh bench installs it):" \
    "the libtcod side is skipped."
fi

# The programs write their logs in a working folder of their own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cpu=$(sed -n 's/^model name\s*:\s*//p' /proc/cpuinfo | head -1)
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each case: ${rounds} rounds of ${warmup} s warm-up and ${seconds} s timed per side; medians."

# One run of a side on a case, appended to results as "case mode side fps cpu_ms".
run() {
  local side=$1 size=$2 mode=$3 out
  if out=$("$programs/console_$side" "${size%x*}" "${size#*x}" "$mode" "$seconds" "$warmup" \
             2>"$work/stderr"); then
    set -- $out
    echo "$size $mode $side $6 $8" >>"$work/results"
  else
    echo "$side $size $mode failed:" >&2
    tail -n 5 "$work/stderr" >&2
  fi
}

for ((round = 0; round < rounds; round++)); do
  order=("${sides[@]}")
  if ((round % 2 == 1)); then
    order=()
    for ((i = ${#sides[@]} - 1; i >= 0; i--)); do order+=("${sides[i]}"); done
  fi
  for size in "${sizes[@]}"; do
    for mode in "${modes[@]}"; do
      for side in "${order[@]}"; do run "$side" "$size" "$mode"; done
    done
  done
done
touch "$work/results"

# The median of a column (4 fps, 5 CPU ms) of a side's runs of a case; "-" without runs.
median() {
  awk -v s="$1" -v m="$2" -v d="$3" -v c="$4" '$1 == s && $2 == m && $3 == d { print $c }' \
    "$work/results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2];
                              else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# a / b to two places; "-" when either is missing.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-";
                                             else printf "%.2f\n", a / b }'; }

# Three significant digits.
fmt() { awk -v a="$1" 'BEGIN { if (a == "-") print a; else printf "%.3g\n", a }'; }

# Cells per second in millions.
mcells() { awk -v f="$1" -v s="$2" 'BEGIN { split(s, n, "x");
                                            if (f == "-") print "-"; else printf "%.2f\n", f * n[1] * n[2] / 1e6 }'; }

echo
echo "| console | screen | engine fps | libtcod fps | fps engine/libtcod | engine CPU ms/frame | libtcod CPU ms/frame | CPU engine/libtcod | engine Mcells/s | libtcod Mcells/s |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for size in "${sizes[@]}"; do
  for mode in "${modes[@]}"; do
    ef=$(median "$size" "$mode" engine 4) ec=$(median "$size" "$mode" engine 5)
    pf=$(median "$size" "$mode" libtcod 4) pc=$(median "$size" "$mode" libtcod 5)
    echo "| ${size/x/ × } | $mode | $(fmt "$ef") | $(fmt "$pf") | $(ratio "$ef" "$pf") |" \
      "$(fmt "$ec") | $(fmt "$pc") | $(ratio "$ec" "$pc") |" \
      "$(mcells "$ef" "$size") | $(mcells "$pf" "$size") |"
  done
done
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine slows both sides)."
