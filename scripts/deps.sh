#!/usr/bin/env bash
# Installs the Debian packages Veldra needs to build, run and test; quiet and
# quick when everything is already there.
set -euo pipefail
pkgs=(cmake g++ make qt6-base-dev libfontconfig-dev qt6-image-formats-plugins libcurl4-openssl-dev ca-certificates openssl
      python3 xvfb xauth x11-utils tinyproxy unrtf
      imagemagick xdotool clang libclang-rt-14-dev appstream dpkg-dev file desktop-file-utils
      fonts-dejavu-core librsvg2-bin lintian man-db
      dbus at-spi2-core python3-pyatspi qt6ct libqt6sql6-sqlite sqlite3 poppler-utils openbox
      qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
