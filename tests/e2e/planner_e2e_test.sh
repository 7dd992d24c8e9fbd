#!/usr/bin/env bash
# End to end, the planner: the real velmora under a window manager (openbox
# on Xvfb), from the keyboard only. The new menu opens the planner; the C8
# and the SXV-H9 are picked from its lists, M31 is typed, "Angolo migliore"
# turns the camera to M31's position angle, and the picture is saved as SVG
# through the file dialog; the file must hold the frames turned there. Then
# the site's clock is set to Rome's and Jupiter is framed, whatever its
# altitude: its picture is saved lit as it is, and the zone is remembered.
#   planner_e2e_test.sh PATH/TO/velmora   (run inside xvfb-run)
set -euo pipefail
velmora=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${app:-} ${wm:-} 2>/dev/null || true' EXIT
cd "$work"
export HOME="$work" XDG_CONFIG_HOME="$work/config" # the planner's settings stay here

openbox --sm-disable > /dev/null 2>&1 & wm=$!
sleep 0.5
"$velmora" & app=$!
main=$(window '^Velmora 2\.2$')
xdotool windowactivate --sync "$main"
sleep 0.3

keys alt+p Return
planner=$(window '^Pianificazione$' 30) # it reads the deep-sky catalogue first, slowly under the sanitizers
xdotool windowactivate --sync "$planner"
sleep 0.3
# Saves the picture shown through the file dialog as $1 and waits for it.
save_svg() {
  keys alt+1 alt+d # Inquadratura, Salva disegno SVG...
  window '^Salva disegno SVG$' > /dev/null
  keys ctrl+a
  xdotool type --delay 20 "$work/$1"
  keys Return
  for ((i = 0; i < 50; i++)); do [[ -s $1 ]] && break; sleep 0.1; done
  [[ -s $1 ]] || { echo "$1 was not written" >&2; exit 1; }
}

keys alt+2 alt+t # Strumentazione, Telescopio
xdotool type --delay 30 'CelestronOTC8'
keys alt+c
xdotool type --delay 30 'StarlightXpressSXVH9'
keys alt+g # Oggetto
xdotool type --delay 60 'M31'
keys Escape Return
keys alt+1 alt+m # Inquadratura, Angolo migliore
save_svg m31.svg
head -c 5 m31.svg | grep -q '<?xml' || { echo "m31.svg is not an SVG document" >&2; exit 1; }
grep -q 'M31 / NGC224 (Andromeda Galaxy)' m31.svg || { echo "m31.svg does not name M31" >&2; exit 1; }
# M31's mosaic for this rig stands at its position angle, 35 degrees.
grep -q '<g transform="rotate(-35.00)">' m31.svg || { echo "the frames are not at 35 degrees" >&2; exit 1; }
echo "the planner saved M31 framed at 35 degrees"

keys alt+3 alt+f ctrl+a # Notte, Fuso orario
xdotool type --delay 30 'Europe/Rome'
keys Return
keys alt+g ctrl+a
xdotool type --delay 60 'Giove'
keys Escape Return
import -window root "$work/notte.png" 2> /dev/null || true
[[ -n ${VELMORA_E2E_SHOTS:-} ]] && cp "$work/notte.png" "$VELMORA_E2E_SHOTS/"
save_svg giove.svg
grep -q '>jupiter on .*% lit<' giove.svg || { echo "giove.svg does not show Jupiter lit" >&2; exit 1; }
grep -q 'camera angle' giove.svg || { echo "giove.svg does not give the camera angle" >&2; exit 1; }
echo "the planner framed Jupiter on Rome's clock"

keys alt+F4
gone '^Pianificazione$'
settings=$(find "$work/config" -name '*.conf' | head -n 1)
grep -q '^fusoOrario=Europe/Rome$' "$settings" || { echo "the site's zone was not remembered" >&2; exit 1; }
xdotool windowactivate --sync "$main"
keys alt+f c
ended 'Chiudi'
