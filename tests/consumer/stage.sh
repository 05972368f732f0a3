#!/bin/sh
# Puts a fresh copy of the package under dest/usr, for the consumers to build
# against (never a system install): `install` runs cmake --install; `deb` and
# `rpm` make the Debian or RPM packages (one from a static build, three from a
# shared one) and unpack them all; `tgz` makes the .tar.gz, unpacks it and
# then moves the unpacked tree to dest/usr, which it must work from. dest is
# emptied first, so nothing of an earlier build can be linked by mistake; the
# packages stay in dest/pkg.
# usage: stage.sh install|deb|rpm|tgz build-dir dest cmake cpack config
set -eu
mode=$1 build=$2 dest=$3 cmake=$4 cpack=$5 config=$6
rm -rf "$dest"
mkdir -p "$dest"
# Without CPack's staging folder, which an archive's .pc files must not name.
make_packages() {
  "$cpack" -G "$1" --config "$build/CPackConfig.cmake" -C "$config" \
    -B "$dest/pkg"
  rm -rf "$dest/pkg/_CPack_Packages"
}
case $mode in
install) "$cmake" --install "$build" --prefix "$dest/usr" --config "$config" ;;
deb)
  make_packages DEB
  for deb in "$dest"/pkg/*.deb; do
    dpkg-deb -x "$deb" "$dest"
  done
  ;;
rpm)
  make_packages RPM
  for rpm in "$dest"/pkg/*.rpm; do
    rpm2cpio "$rpm" | (cd "$dest" && cpio -idm --quiet)
  done
  ;;
tgz)
  make_packages TGZ
  mkdir "$dest/unpacked"
  tar -xzf "$dest"/pkg/*.tar.gz -C "$dest/unpacked" --strip-components=1
  mv "$dest/unpacked" "$dest/usr"
  ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
