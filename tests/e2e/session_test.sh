#!/usr/bin/env bash
# An ordinary session of the real velmora under a window manager (openbox on
# Xvfb), from the keyboard: a telescope and a camera from the menus, CALCOLA,
# a save, three help windows, an About window, a print, then Chiudi with all
# of them still open. The program must end with status 0; under
# AddressSanitizer that also means no leak was reported.
#   session_test.sh PATH/TO/velmora   (run inside xvfb-run)
set -euo pipefail
velmora=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${app:-} ${wm:-} 2>/dev/null || true' EXIT
cd "$work"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb

# Waits at most 10 s for a visible window whose title matches; prints its id.
window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1 ||
    { echo "no window titled '$1' appeared within 10 s" >&2; exit 1; }
}
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
focus_main() { xdotool windowactivate --sync "$main"; sleep 0.3; }

openbox --config-file /dev/null > /dev/null 2>&1 & wm=$!
sleep 0.5
"$velmora" & app=$!
main=$(window '^Velmora 2\.2$')
focus_main

keys alt+f Right Down Right Down Return                # schmidtcassegrain > CelestronOTC8
keys alt+f Down Right Up Return                        # ApriCamera > PhilipsVesta, the last
keys Tab Tab Tab space                                 # Text1 -> Command1: CALCOLA
for ((i = 0; i < 29; i++)); do xdotool key Tab; done   # -> NomeFile
xdotool type --delay 20 'session.TXT'
keys shift+Tab space                                   # Command4: Salva Calcolo
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

for ((i = 0; i < 100; i++)); do
  if ! kill -0 "$app" 2>/dev/null; then
    wait "$app" && status=0 || status=$?
    app=
    echo "Chiudi ended the session with status $status"
    exit "$status"
  fi
  sleep 0.1
done
echo "Chiudi did not end the program within 10 s"
exit 1
