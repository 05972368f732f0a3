#!/bin/sh
# Instructions per call of every benchmark case, counted by callgrind, with
# the benchmark's own loop subtracted: the routine alone. Unlike time, this is
# repeatable on a busy machine. One table by width, linked plainly (no LTO)
# and with link-time optimisation, the peer beside each figure.
# usage: bench/callgrind.sh [bench build folder] [CALLS]
set -eu
dir=${1:-build/bench/bench}
calls=${2:-100000}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# counts BINARY: "case instr/call" lines, one callgrind dump per case.
counts() {
  valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
    "$1" --count "$calls" > /dev/null 2>&1
  awk -v calls="$calls" '
    /^desc: Trigger: Client Request: / { name = $5 }
    /^totals: / { total[name] = $2 }
    END {
      for (n in total) if (n != "loop")
        printf "%s %.1f\n", n, (total[n] - total["loop"]) / calls
    }' "$out"/cg.*
  rm -f "$out"/cg*
}
counts "$dir/bench_conversions" > "$out/plain"
if [ -x "$dir/bench_conversions_lto" ]; then
  counts "$dir/bench_conversions_lto" > "$out/lto"
else
  : > "$out/lto"
fi
# The routine's rows, each with its peer: the case names are
# routine/wN and peer/wN, peers as listed here.
awk '
  FNR == NR { plain[$1] = $2; next }
  { lto[$1] = $2 }
  END {
    split("my_itoa/10 to_chars+pad/10 my_itoa/10 snprintf(%010d) " \
          "my_itoa/16 to_chars+pad/16 my_atoi/10 strlen+from_chars/10 " \
          "my_atoi/10 strtoul truncate static_cast<int64>", p, " ")
    printf "%-12s %5s | %7s %-20s %7s %5s | %7s %7s %5s\n", "routine", \
      "width", "plain", "peer", "peer", "ratio", "LTO", "peer", "ratio"
    for (k = 1; k in p; k += 2) {
      for (w = 0; w <= 16; w++) {
        own = p[k] (w ? "/w" w : ""); peer = p[k + 1] (w ? "/w" w : "")
        if (!(own in plain) || !(peer in plain)) continue
        printf "%-12s %5d | %7.1f %-20s %7.1f %5.2f |", p[k], w, \
          plain[own], p[k + 1], plain[peer], plain[own] / plain[peer]
        if (own in lto && lto[peer] > 0)
          printf " %7.1f %7.1f %5.2f", lto[own], lto[peer], lto[own] / lto[peer]
        printf "\n"
      }
    }
  }' "$out/plain" "$out/lto"
