#!/bin/sh
# Runs the program (after any emulator words) as a process and checks its
# output bytes and exit status: stdin empty, stdin closed, and "x\n" on a pipe
# that stays open, which must not make it wait for more.
# usage: console_test.sh [emulator...] program
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'z  = -29139\n' > "$dir/expected"
failures=0

check() {  # name status
  if [ "$2" -ne 0 ]; then
    echo "FAIL $1: exit status $2"; failures=$((failures + 1))
  elif ! cmp -s "$dir/expected" "$dir/$1"; then
    echo "FAIL $1: output differs:"; od -c "$dir/$1"; failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

"$@" < /dev/null > "$dir/empty"
check empty $?

"$@" <&- > "$dir/closed"
check closed $?

mkfifo "$dir/fifo"
"$@" < "$dir/fifo" > "$dir/open_pipe" &
pid=$!
exec 3> "$dir/fifo"
printf 'x\n' >&3
waited=0
while kill -0 "$pid" 2> /dev/null && [ "$waited" -lt 300 ]; do
  sleep 0.1
  waited=$((waited + 1))
done
if kill -0 "$pid" 2> /dev/null; then
  echo "FAIL open_pipe: still waiting for input after 30 s"
  kill "$pid"
  failures=$((failures + 1))
else
  wait "$pid"
  check open_pipe $?
fi
exec 3>&-

exit "$failures"
