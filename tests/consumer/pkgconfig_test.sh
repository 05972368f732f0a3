#!/bin/sh
# Builds the consumer against the staged conversions.pc the way the README
# says, runs it, then runs the staged program.
# usage: pkgconfig_test.sh prefix workdir c++ "cxxflags"
set -eu
prefix=$1 work=$2 cxx=$3 flags=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name conversions.pc)")
export PKG_CONFIG_PATH
libdir=$(pkg-config --variable=libdir conversions)
# shellcheck disable=SC2046,SC2086
"$cxx" $flags "$here/main.cpp" -o "$work/consumer" \
  $(pkg-config --cflags --libs conversions) "-Wl,-rpath,$libdir"
"$work/consumer"
test "$("$prefix/bin/truncdemo" < /dev/null)" = 'z  = -29139'
echo "staged truncdemo ok"
