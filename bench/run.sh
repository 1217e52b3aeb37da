#!/usr/bin/env bash
# Benchmarks of tssnc, run on demand (never by ctest):
#   bench/run.sh [RUNS]
# Builds a Release tree in bench/build (BENCH_BUILD overrides), generates the
# inputs in a temporary folder and times each case RUNS times (default 5) with
# hyperfine when it is installed, else with a date +%s%N loop (min / median /
# max wall time).  Prints a Markdown report; bench/RESULTS.md keeps one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$root/bench/build}
runs=${1:-5}
jobs=${JOBS:-2}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTSSNC_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs" --target tssnc-cli pace_bench >/dev/null
cli=$build/tssnc-cli
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- inputs -------------------------------------------------------------------
# 1000 expressions of the macro language (brackets, functions, word operators).
awk 'BEGIN {
  for (i = 1; i <= 1000; i++) {
    a = i % 97 + 1; b = i % 13 + 2
    printf "[%d.5+%d]*%d/[%d-SIN[%d]]+SQRT[%d]-%d MOD %d+ROUND[%d.%d]*COS[%d]\n",
           a, b, b, a + 3, i % 90, a * b, a, b, a, b, i % 360
  }
}' > "$work/exprs.txt"
mapfile -t exprs < "$work/exprs.txt"

# An NC file near the bounds of the program store: 199 programs of 94 lines
# (18,806 stored lines of the 18,998 the store holds), then the free area.
awk 'BEGIN {
  printf "%%\r\n"
  for (p = 1; p <= 199; p++) {
    printf "O%04d(PART %d)\r\n", p, p
    printf "G50 S2000\r\nG00 X100. Z10.\r\n"
    for (i = 1; i <= 90; i++) printf "G01 X%d.%d Z-%d.%d F.2\r\n", 100 - i % 50, i % 10, i, p % 10
    printf "M30\r\n"
  }
  printf "%%\r\n"
}' > "$work/big.nc"

# One program of 1001 lines: the longest a drawing run holds.
awk 'BEGIN {
  printf "%%\r\nO0100(LONG)\r\n"
  for (i = 1; i <= 998; i++) printf "G01 X%d. Z-%d. F.2\r\n", 200 - i % 150, i % 400
  printf "M30\r\n%%\r\n"
}' > "$work/long.nc"

# --- timing -------------------------------------------------------------------
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# time_case LABEL EXPECTED_STATUS COMMAND...
time_case() {
  local label=$1 want=$2
  shift 2
  local status=0
  "$@" >/dev/null 2>&1 || status=$?
  if [ "$status" != "$want" ]; then
    echo "| $label | exit $status, expected $want | | | |"
    return
  fi
  if command -v hyperfine >/dev/null; then
    local json=$work/h.json
    hyperfine --runs "$runs" --warmup 1 -N -i --export-json "$json" -- "$(printf '%q ' "$@")" >/dev/null 2>&1
    python3 - "$json" "$label" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
ms = [t * 1000 for t in r["times"]]
print(f"| {sys.argv[2]} | {min(ms):.0f} | {sorted(ms)[len(ms)//2]:.0f} | {max(ms):.0f} | hyperfine |")
PY
    return
  fi
  local times=() t0 t1
  for ((i = 0; i < runs; i++)); do
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000000)))
  done
  local sorted
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  echo "| $label | $(head -1 <<<"$sorted") | $(printf '%s\n' "${times[@]}" | median) | $(tail -1 <<<"$sorted") | date loop |"
}

echo "## tssnc-cli ($runs runs each, wall time in ms, Release build)"
echo
echo "| case | min | median | max | timer |"
echo "|---|---:|---:|---:|---|"
time_case "eval, 1 expression (start-up cost)" 0 "$cli" eval "1+2*3"
time_case "eval, 1000 expressions in one call" 0 "$cli" eval "${exprs[@]}"
time_case "list, 199 programs / 18,800 lines" 0 "$cli" list "$work/big.nc"
time_case "readout, 199 programs / 18,800 lines" 0 "$cli" readout "$work/big.nc"
time_case "draw, 1001-line program, no output" 0 "$cli" draw "$work/long.nc"
time_case "draw, 1001-line program, --trace to a file" 0 "$cli" draw "$work/long.nc" --trace "$work/trace.txt"
time_case "draw, 1001-line program, --png" 0 "$cli" draw "$work/long.nc" --png "$work/long.png"
time_case "draw, --max-blocks 500 ends it (exit 1)" 1 "$cli" draw "$work/long.nc" --max-blocks 500
# At the end prompt "b.00715" sets scale 1.001, the smallest the view takes:
# the densest grid (some 375,000 nodes), drawn a second time.
printf 'b.00715\n' > "$work/dense.txt"
time_case "draw, --lathe m --png, redrawn at scale 1 (densest grid)" 0 \
  "$cli" draw "$work/long.nc" --lathe m --png "$work/dense.png" --answers "$work/dense.txt"
time_case "check, 199 programs of big.nc" 0 "$cli" check "$work/big.nc"
echo
echo "trace of the 1001-line run: $(wc -l <"$work/trace.txt") lines"
echo
echo "## pace schedule on a real window (one run, clock time)"
echo
"$build/bench/pace_bench"
