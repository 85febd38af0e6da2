#!/usr/bin/env bash
# Builds the Debian package vekmor_VERSION_ARCH.deb into build/ (or
# $VEK_BUILD_DIR): the build installed under /usr, stripped, with its library
# dependencies worked out by dpkg-shlibdeps. Install it with
#   apt-get install ./build/vekmor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
dir=${VEK_BUILD_DIR:-build}
(cd "$dir" && cpack -G DEB)
ls "$dir"/vekmor_*.deb
