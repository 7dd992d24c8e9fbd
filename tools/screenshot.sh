#!/usr/bin/env bash
# Starts the real velmora under Xvfb, optionally drives it with xdotool, and
# writes a screenshot of the whole screen. Needs xvfb, imagemagick, xdotool.
#   tools/screenshot.sh OUTPUT.png ['xdotool command' ...]
# e.g. tools/screenshot.sh build/help.png 'mousemove 70 9 click 1' 'mousemove 90 55 click 1'
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
shift || true
export VELMORA_SHOT_OUT=$out
printf '%s\n' "$@" > "$out.steps"
export VELMORA_SHOT_STEPS=$out.steps
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  build/bin/velmora & app=$!
  sleep 2
  while read -r step; do [ -n "$step" ] && xdotool $step; sleep 0.5; done < "$VELMORA_SHOT_STEPS"
  sleep 0.5
  import -window root "$VELMORA_SHOT_OUT"
  kill $app 2>/dev/null || true
'
rm -f "$out.steps"
echo "wrote $out"
