#!/usr/bin/env bash
# ctest's bench_smoke: every benchmark program runs once on tiny inputs and
# prints its table row.  Nothing is timed or judged by speed here.
#   bench/smoke.sh BENCH_BINARY_DIR BUILD_DIR
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
bash "$here/make_inputs.sh" "$work" tiny

# expect PATTERN COMMAND...: the command succeeds and prints a line matching PATTERN.
expect() {
  local pattern=$1
  shift
  local out
  if ! out=$("$@" 2>&1); then
    echo "FAILED: $*"
    echo "$out"
    exit 1
  fi
  if ! grep -q -- "$pattern" <<<"$out"; then
    echo "no line matching '$pattern' from: $*"
    echo "$out"
    exit 1
  fi
}

expect '^| myshiki, mix of 20 shapes' "$bin/eval_bench" "$work/exprs.txt" 2 1
for p in turn macro g71; do
  expect '^| restart (zoom/pan redraw)' "$bin/restart_bench" "$work/$p.nc" --restarts 2
done
expect '^| restart (zoom/pan redraw), turn.nc, painted' "$bin/restart_bench" "$work/turn.nc" --restarts 1 --image
expect '^| read the file into the store' "$bin/listing_bench" "$work/big.nc" 1
expect '^| transfer receive' "$bin/transfer_bench" "$work/transfer.nc" 1
expect "^unpaced" "$bin/pace_bench"
echo "bench_smoke: all benchmark programs ran"
