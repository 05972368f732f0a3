#!/bin/sh
# Runs the program (after any emulator words) as a process and checks its
# output bytes and exit status: stdin empty, stdin closed, "x\n" on a pipe
# that stays open (which must not make it wait for more), and one character
# on such a pipe (which must leave it waiting for the second, with its line
# already written to the pipe on its standard output).
# usage: console_test.sh [emulator...] program
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'z  = -29139\n' > "$dir/expected"
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# printed NAME: whether the program wrote exactly the line; if not, says
# what it wrote. What it printed is told before its exit status or its
# waiting are judged: a program that printed nothing may never have run.
printed() {
  if cmp -s "$dir/expected" "$dir/$1"; then
    return 0
  elif [ -s "$dir/$1" ]; then
    fail "$1: output differs:"; od -c "$dir/$1"
  else
    fail "$1: printed nothing"
  fi
  return 1
}

check() {  # name status
  if printed "$1" && [ "$2" -eq 0 ]; then
    echo "ok   $1"
  elif [ "$2" -ne 0 ]; then
    fail "$1: exit status $2"
  fi
}

# finish NAME PID: waits up to 30 s (emulators start slowly) for the
# program to end, then checks it.
finish() {
  waited=0
  while kill -0 "$2" 2> /dev/null && [ "$waited" -lt 300 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$2" 2> /dev/null; then
    printed "$1"
    fail "$1: still waiting for input after 30 s"
    kill "$2"
  else
    wait "$2"
    check "$1" $?
  fi
}

"$@" < /dev/null > "$dir/empty"
check empty $?

"$@" <&- > "$dir/closed"
check closed $?

mkfifo "$dir/two" "$dir/one"
"$@" < "$dir/two" > "$dir/open_pipe" &
pid=$!
exec 3> "$dir/two"
printf 'x\n' >&3
finish open_pipe "$pid"
exec 3>&-

# The output pipe is copied to a file, to be read while the program waits.
mkfifo "$dir/out"
"$@" < "$dir/one" > "$dir/out" &
pid=$!
cat "$dir/out" > "$dir/second_key" &
exec 3> "$dir/one"
printf 'x' >&3
waited=0
while kill -0 "$pid" 2> /dev/null &&
  ! cmp -s "$dir/expected" "$dir/second_key" && [ "$waited" -lt 300 ]; do
  sleep 0.1
  waited=$((waited + 1))
done
sleep 1
if kill -0 "$pid" 2> /dev/null; then
  ended=
else
  wait "$pid"
  ended="ended with exit status $?"
fi
if ! printed second_key; then
  echo "     after the first key; ${ended:-still running}"
  [ -z "$ended" ] && printf 'y' >&3
elif [ -n "$ended" ]; then
  fail "second_key: did not wait for it; $ended"
else
  printf 'y' >&3
  finish second_key "$pid"
fi
exec 3>&-
wait

exit "$failures"
