#!/usr/bin/env bash
# Makes the README's screenshots: Veldra on the sample library under Xvfb, one
# picture per panel, the reader at twice the scale and the news in a dark theme,
# and each panel, the proxy dialog and a failure box in German and French,
# written to docs/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELDRA_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" --target veldra >/dev/null
# The program talks to the server its build names.
host=$(sed -n 's/^VELDRA_SERVER_HOST:STRING=//p' "$build/CMakeCache.txt")
port=${host##*:}
shots() {
  local case=$1 screen=$2
  xvfb-run -a -s "-screen 0 ${screen}x24" /usr/bin/python3 "$root/tests/e2e/e2e.py" --case "$case" \
    --build "$build" --source "$root" --port "$port" --shots "$root/docs/screenshots"
}
shots tour 1024x700
shots scale_2 1920x1080
shots dark_theme 1024x700
shots language_de 1024x700
shots language_fr 1024x700
