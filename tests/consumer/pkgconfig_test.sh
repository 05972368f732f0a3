#!/bin/sh
# Builds the consumer against the installed conversions.pc and runs it, then
# runs the installed program.
# usage: pkgconfig_test.sh prefix workdir c++ "cxxflags"
set -eu
prefix=$1 work=$2 cxx=$3 flags=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
PKG_CONFIG_PATH=$(find "$prefix" -name conversions.pc -exec dirname {} \;)
export PKG_CONFIG_PATH
# shellcheck disable=SC2046,SC2086
"$cxx" $flags $(pkg-config --cflags conversions) "$here/main.cpp" \
  $(pkg-config --libs conversions) -o "$work/consumer"
"$work/consumer"
test "$("$prefix/bin/truncdemo" < /dev/null)" = 'z  = -29139'
echo "installed truncdemo ok"
