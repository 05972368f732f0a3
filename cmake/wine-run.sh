#!/bin/sh
# Runs a Windows program under wine64 with a private, quiet prefix: the
# user's WINEPREFIX if set, else one per user that is made once and reused
# (making one takes several seconds).
# `wine-run.sh --init` makes the prefix, or brings it up to date, and returns
# once wine has written it and its server has ended. The tests run it alone
# before any of them starts wine: wine processes that start together on a
# missing prefix race to make it, and one may run without a working server.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/conversions-wine-$(id -u)}"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko install prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "${1-}" = --init ]; then
  /usr/lib/wine/wine64 wineboot --init || exit
  exec /usr/lib/wine/wineserver -w
fi
exec /usr/lib/wine/wine64 "$@"
