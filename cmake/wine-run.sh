#!/bin/sh
# Runs a Windows program under wine64 with a private, quiet prefix. The prefix
# is made once per user and reused: making one takes several seconds.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/conversions-wine-$(id -u)}"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko install prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
