#!/usr/bin/env bash
# An ordinary session of the real velmora under a window manager (openbox on
# Xvfb), from the keyboard: a telescope and a camera from the menus, CALCOLA,
# a save, three help windows, an About window, a print, then Chiudi with all
# of them still open. The program must end with status 0; under
# AddressSanitizer that also means no leak was reported.
#   session_test.sh PATH/TO/velmora   (run inside xvfb-run)
set -euo pipefail
velmora=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${app:-} ${wm:-} 2>/dev/null || true' EXIT
cd "$work"
focus_main() { xdotool windowactivate --sync "$main"; sleep 0.3; }

openbox --sm-disable > /dev/null 2>&1 & wm=$!
sleep 0.5
"$velmora" & app=$!
main=$(window '^Velmora 2\.2$')
focus_main

keys alt+f Right Down Right Down Return                # schmidtcassegrain > CelestronOTC8
keys alt+f Down Right Up Return                        # ApriCamera > PhilipsVesta, the last
tabs 3                                                 # Text1 -> Command1
keys space                                             # CALCOLA
tabs 29                                                # -> NomeFile
xdotool type --delay 20 'session.TXT'
tabs 1 shift+Tab                                       # -> Command4
keys space                                             # Salva Calcolo
window '^Salva$' > /dev/null
keys Return
grep -q '^Diametro ottica203mmFocale ottica2032mmDimensione pixel5.6mM' session.TXT ||
  { echo "the report does not hold the chosen telescope and camera"; exit 1; }

for ((i = 0; i < 3; i++)); do
  keys alt+i a                                         # informazzioni > Aiuto
  focus_main
done
keys alt+i p                                           # informazzioni > Prodotto
window '^Informazioni su VELMORA$' > /dev/null
focus_main
[[ $(xdotool search --onlyvisible --name '^Aiuto$' | wc -l) -eq 3 ]] ||
  { echo "three help windows were expected"; exit 1; }

keys alt+f s                                           # Stampa: no printer here
window '^Stampa$' > /dev/null
keys Return
focus_main
keys alt+f c                                           # Chiudi
ended Chiudi
