#!/usr/bin/env bash
# Renders the hicolor PNG icons from the scalable SVG. The PNGs are committed, so
# this only needs to run again after the SVG changes (needs rsvg-convert, librsvg2-bin).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons=$root/data/icons/hicolor
svg=$icons/scalable/apps/io.github.veldra.Veldra.svg
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$icons/${size}x${size}/apps/io.github.veldra.Veldra.png"
done
