#!/bin/sh
# Puts a fresh copy of the package under dest/usr, for the consumers to build
# against: `install` runs cmake --install, `deb` makes the Debian packages (one
# from a static build, three from a shared one) and unpacks them all (never a
# system install). dest is emptied first, so nothing of an
# earlier build can be linked by mistake.
# usage: stage.sh install|deb build-dir dest cmake cpack config
set -eu
mode=$1 build=$2 dest=$3 cmake=$4 cpack=$5 config=$6
rm -rf "$dest"
mkdir -p "$dest"
case $mode in
install) "$cmake" --install "$build" --prefix "$dest/usr" --config "$config" ;;
deb)
  "$cpack" -G DEB --config "$build/CPackConfig.cmake" -C "$config" \
    -B "$dest/pkg"
  for deb in "$dest"/pkg/*.deb; do
    dpkg-deb -x "$deb" "$dest"
  done
  ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
