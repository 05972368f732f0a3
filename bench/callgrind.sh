#!/bin/sh
# Instructions per call of every benchmark case, counted by callgrind: the
# run with CALLS calls less the run with none, over CALLS. Unlike time, this
# is repeatable on a busy machine.
# usage: bench/callgrind.sh [bench_conversions binary] [CALLS]
set -eu
bin=${1:-build/bench/bench/bench_conversions}
calls=${2:-200000}
instructions() {  # case calls
  valgrind --tool=callgrind --callgrind-out-file=/dev/null \
    "$bin" --count "$1" "$2" 2>&1 | sed -n 's/.*Collected : //p'
}
printf '%-22s %12s\n' case instr/call
"$bin" --benchmark_list_tests=true | sed 's|/repeats:.*||; s|/min_time:.*||' |
  while read -r name; do
    base=$(instructions "$name" 0)
    total=$(instructions "$name" "$calls")
    awk -v n="$name" -v t="$total" -v b="$base" -v c="$calls" \
      'BEGIN { printf "%-22s %12.1f\n", n, (t - b) / c }'
  done
