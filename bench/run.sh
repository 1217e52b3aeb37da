#!/usr/bin/env bash
# Benchmarks of tssnc, run on demand (ctest only runs bench/smoke.sh):
#   bench/run.sh [RUNS]
# Builds a Release tree in bench/build (BENCH_BUILD overrides), installs the
# peer interpreter rs274 (Debian package linuxcnc-uspace) when it is missing
# and apt-get can install it, generates the inputs in a temporary folder
# (bench/make_inputs.sh) and prints one Markdown table: every figure is the
# minimum, median and maximum of RUNS runs (default 5), and the peak resident
# memory of one run (/usr/bin/time -v).  bench/RESULTS.md keeps one report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$root/bench/build}
runs=${1:-5}
jobs=${JOBS:-2}
# A macro loop pass moves once: moves of the macro program.
macro_moves=100000

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$jobs" --target tssnc-cli pace_bench eval_bench restart_bench \
  listing_bench transfer_bench >/dev/null
cli=$build/tssnc-cli
bin=$build/bench
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# The peer: LinuxCNC's standalone interpreter, installed here only (never in CI).
if ! command -v rs274 >/dev/null; then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    (apt-get install -y --no-install-recommends linuxcnc-uspace >/dev/null 2>&1 ||
      { apt-get update >/dev/null 2>&1 && \
        apt-get install -y --no-install-recommends linuxcnc-uspace >/dev/null 2>&1; }) || true
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$root/bench/make_inputs.sh" "$work"

# --- helpers ------------------------------------------------------------------
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Peak resident memory in MB of the command run under /usr/bin/time -v, whose
# report went to the file $1.
peak_mb() { awk -F: '/Maximum resident set size/ { printf "%.0f", $2 / 1024 }' "$1"; }

# wall LABEL WANT_STATUS COMMAND...: RUNS timed runs of a whole command (ms);
# prints the row and leaves the median in $wall_median.
wall_median=0
wall() {
  local label=$1 want=$2
  shift 2
  local status=0 times=() t0 t1 mem
  /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || status=$?
  if [ "$status" != "$want" ]; then
    echo "| $label | exit $status, expected $want: $(head -c 200 "$work/err.txt" | tr '\n' ' ') | | | | |"
    wall_median=0
    return
  fi
  mem=$(peak_mb "$work/time.txt")
  for ((i = 0; i < runs; i++)); do
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000)))
  done
  local sorted
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  wall_median=$(printf '%s\n' "${times[@]}" | median)
  awk -v l="$label" -v a="$(head -1 <<<"$sorted")" -v m="$wall_median" -v z="$(tail -1 <<<"$sorted")" \
    -v mem="$mem" 'BEGIN { printf "| %s | %.1f | %.1f | %.1f | ms | %s |\n", l, a / 1000, m / 1000, z / 1000, mem }'
}

# inside COMMAND...: a benchmark program that repeats its own measurement and
# prints table rows; its rows get the peak memory column.  Lines starting with
# "#" are kept in $work/notes.txt.
inside() {
  local status=0 mem
  /usr/bin/time -v -o "$work/time.txt" "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  if [ "$status" != 0 ]; then
    echo "| $(basename "$1") failed (exit $status): $(head -c 200 "$work/err.txt" | tr '\n' ' ') | | | | | |"
    return
  fi
  mem=$(peak_mb "$work/time.txt")
  grep '^#' "$work/out.txt" | sed "s|^# |$(basename "$1") $(basename "${2:-}"): |" >>"$work/notes.txt" || true
  grep '^|' "$work/out.txt" | sed "s/\$/ $mem |/"
}

# Blocks a drawing pass of FILE takes up (from the engine).
blocks_of() {
  "$bin/restart_bench" "$1" --restarts 1 | awk '/^# blocks per pass:/ { print $5 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# --- the run ------------------------------------------------------------------
commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
dirty=$(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null | grep -q . && echo " (with uncommitted changes)" || true)
echo "# tssnc benchmarks"
echo
echo "- commit: $commit$dirty, Release build, $runs runs per figure"
echo "- machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "- load before the run: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"
echo "- date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "| case | min | median | max | unit | peak MB |"
echo "|---|---:|---:|---:|---|---:|"

declare -A blocks med
for p in turn macro g71; do
  blocks[$p]=$(blocks_of "$work/$p.nc")
done
wall "tssnc-cli draw, 1001-line turning program (${blocks[turn]} blocks)" 0 "$cli" draw "$work/turn.nc"
med[turn]=$wall_median
wall "tssnc-cli draw, macro loop of $macro_moves moves (${blocks[macro]} blocks)" 0 "$cli" draw "$work/macro.nc"
med[macro]=$wall_median
wall "tssnc-cli draw, 20 G71 cycles (${blocks[g71]} blocks)" 0 "$cli" draw "$work/g71.nc"
med[g71]=$wall_median
for p in turn macro g71; do
  awk -v l="$p.nc" -v b="${blocks[$p]}" -v m="${med[$p]}" \
    'BEGIN { if (m > 0) printf "| blocks per second, tssnc-cli draw %s (median run) | | %.0f | | blocks/s | |\n", l, b / (m / 1e6) }'
done

peer_median=0
if command -v rs274 >/dev/null; then
  printf 'T1 P1 D0 Z0 ;\n' >"$work/tool.tbl"
  pushd "$work" >/dev/null  # rs274 looks for its files in the current folder
  wall "rs274 -g (LinuxCNC interpreter), the same loop of $macro_moves moves" 0 \
    rs274 -t "$work/tool.tbl" -g "$work/macro.ngc" /dev/null
  peer_median=$wall_median
  popd >/dev/null
  echo "| macro loop per move: rs274 time / tssnc time (target >= 1.0) | | $(ratio "$peer_median" "${med[macro]}") | | ratio | |"
else
  echo "| rs274 (linuxcnc-uspace) | not installed: no figure | | | | |"
fi

for p in turn macro g71; do
  inside "$bin/restart_bench" "$work/$p.nc" --restarts "$runs"
done
inside "$bin/restart_bench" "$work/turn.nc" --restarts "$runs" --image
inside "$bin/restart_bench" "$work/g71.nc" --restarts "$runs" --image
inside "$bin/listing_bench" "$work/big.nc" "$runs"
inside "$bin/eval_bench" "$work/exprs.txt" 20000 "$runs"
inside "$bin/transfer_bench" "$work/transfer.nc" "$runs"

wall "tssnc-cli eval, 1 expression (start-up cost)" 0 "$cli" eval "1+2*3"
wall "tssnc-cli list, 199 programs / 18,806 lines" 0 "$cli" list "$work/big.nc"
wall "tssnc-cli draw, 1001-line turning program, --png" 0 "$cli" draw "$work/turn.nc" --png "$work/turn.png"
wall "tssnc-cli check, 199 programs of big.nc" 0 "$cli" check "$work/big.nc"
echo "| load after the run | | $(cut -d' ' -f1 /proc/loadavg) | | 1-min load | |"
echo
echo "Notes of the benchmark programs:"
echo
sed 's/^/- /' "$work/notes.txt" | grep -v ' = ' || true
echo
echo "## pace schedule on a real window (one run, clock time)"
echo
"$bin/pace_bench"
