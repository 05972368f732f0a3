#!/bin/sh
# Builds the consumer against the staged conversions.pc the way the README
# says, and in header-only mode against conversions-header-only.pc, runs
# both, then runs the staged program. The .pc files name the prefix they were
# installed for (/usr in the .deb and the .rpm), and the staged copy is
# elsewhere, so pkg-config is told where; with `relocatable` (an archive's
# .pc files, which find the prefix themselves) it is told nothing.
# usage: pkgconfig_test.sh prefix workdir c++ "cxxflags" [relocatable]
set -eu
prefix=$1 work=$2 cxx=$3 flags=$4 relocatable=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name conversions.pc)")
export PKG_CONFIG_PATH
pc() {
  if [ "$relocatable" = relocatable ]; then
    pkg-config "$@"
  else
    pkg-config --define-variable=prefix="$prefix" "$@"
  fi
}
libdir=$(pc --variable=libdir conversions)
# shellcheck disable=SC2046,SC2086
"$cxx" $flags "$here/main.cpp" -o "$work/consumer" \
  $(pc --cflags --libs conversions) "-Wl,-rpath,$libdir"
"$work/consumer"
# shellcheck disable=SC2046,SC2086
"$cxx" -std=c++17 $flags "$here/main.cpp" -o "$work/consumer-header-only" \
  $(pc --cflags --libs conversions-header-only)
"$work/consumer-header-only"
test "$("$prefix/bin/truncdemo" < /dev/null)" = 'z  = -29139'
echo "staged truncdemo ok"
