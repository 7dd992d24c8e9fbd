#!/usr/bin/env bash
# Starts the real velmora under Xvfb and writes a screenshot of the screen.
#   tools/screenshot.sh [OUTPUT.png] [SECONDS-TO-WAIT] [-- xdotool commands...]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshot.png}
wait_seconds=${2:-2}
export VELMORA_SHOT_OUT=$(realpath -m "$out") VELMORA_SHOT_WAIT=$wait_seconds
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  build/ui/velmora & app=$!
  sleep "$VELMORA_SHOT_WAIT"
  import -window root "$VELMORA_SHOT_OUT"
  kill $app
'
echo "wrote $out"
