#!/bin/sh
# Instructions per call of every benchmark case, counted by callgrind, with
# the benchmark's own loop subtracted: the routine alone. Unlike time, this is
# repeatable on a busy machine. The tables of bench_conversions (the library
# linked plainly, beside 1.1.0 and the peers), bench_conversions_lto (with
# link-time optimisation), bench_header_only (header-only mode, constant
# arguments) and bench_fields (the field templates, constant width and base);
# in each, the first column's ratio to each other column.
# usage: bench/callgrind.sh [bench build folder] [CALLS]
set -eu
dir=${1:-build/bench/bench}
calls=${2:-100000}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for program in bench_conversions bench_conversions_lto bench_header_only \
  bench_fields; do
  [ -x "$dir/$program" ] || continue
  valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
    "$dir/$program" --count "$calls" > /dev/null 2>&1
  echo
  echo "== $program: instructions per call"
  awk -v calls="$calls" '
    /^desc: Trigger: Client Request: / {
      name = $0; sub(/^desc: Trigger: Client Request: /, "", name)
    }
    /^totals: / { total[name] = $2; order[++n] = name }
    END {
      for (k = 1; k <= n; k++) {
        if (order[k] == "loop") continue
        split(order[k], part, "|")
        g = part[1]; c = part[2]; r = part[3]
        if (!(g in seen)) { seen[g] = 1; groups[++ng] = g }
        if (!((g, c) in has_col)) { has_col[g, c] = 1; cols[g, ++nc[g]] = c }
        if (!((g, r) in has_row)) { has_row[g, r] = 1; rows[g, ++nr[g]] = r }
        cell[g, r, c] = (total[order[k]] - total["loop"]) / calls
      }
      for (i = 1; i <= ng; i++) {
        g = groups[i]
        printf "\n%s; then %s / each other column\n%-17s", g, cols[g, 1], ""
        for (j = 1; j <= nc[g]; j++) printf " %14.14s", cols[g, j]
        printf "\n"
        for (k = 1; k <= nr[g]; k++) {
          r = rows[g, k]
          printf "%-17s", r
          for (j = 1; j <= nc[g]; j++) {
            if ((g, r, cols[g, j]) in cell) printf " %14.1f", cell[g, r, cols[g, j]]
            else printf " %14s", ""
          }
          own = cell[g, r, cols[g, 1]]
          for (j = 2; j <= nc[g]; j++) {
            peer = cell[g, r, cols[g, j]]
            if ((g, r, cols[g, j]) in cell && peer > 0) printf " %5.2f", own / peer
            else printf " %5s", ""
          }
          printf "\n"
        }
      }
    }' $(ls "$out"/cg.* | sort -V)
  rm -f "$out"/cg*
done
