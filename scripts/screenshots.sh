#!/usr/bin/env bash
# Makes the README's screenshots: Veldra on the sample library under Xvfb, one
# picture per panel, written to docs/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
xvfb-run -a -s "-screen 0 1024x700x24" python3 "$root/tests/e2e/e2e.py" --case tour \
  --build "$root/build" --source "$root" --port 8471 --shots "$root/docs/screenshots"
