#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (Debian 12, as root).
# Does nothing when everything is already there. Extra packages that only one
# script needs come as arguments (scripts/fuzz.sh asks for clang).
set -euo pipefail
pkgs=(cmake g++ make pkg-config qt6-base-dev libxkbcommon-dev nlohmann-json3-dev nettle-dev
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth jq python3 python3-pycryptodome
      librsvg2-bin help2man desktop-file-utils appstream dpkg-dev file "$@")
# The pIqaD font's build (fontTools) and its validation (FontForge).
pkgs+=(python3-fonttools fontforge-nox)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
