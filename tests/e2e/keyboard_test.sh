#!/usr/bin/env bash
# The real velmora under a window manager (openbox on Xvfb), from the
# keyboard only: the About window opens active and Return or Esc closes it
# alone; the help window opens active; Enter presses the focused CALCOLA,
# Salva, RESET and ESCI buttons, as Space does.
#   keyboard_test.sh PATH/TO/velmora   (run inside xvfb-run)
set -euo pipefail
velmora=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${app:-} ${wm:-} 2>/dev/null || true' EXIT
cd "$work"
active() { xdotool getactivewindow getwindowname; }
expect_active() {
  [[ $(active) == "$1" ]] || { echo "'$1' should be the active window, not '$(active)'" >&2; exit 1; }
}

openbox --sm-disable > /dev/null 2>&1 & wm=$!
sleep 0.5
"$velmora" & app=$!
main=$(window '^Velmora 2\.2$')
xdotool windowactivate --sync "$main"
sleep 0.3

for closing in Return Escape; do
  keys alt+i p
  window '^Informazioni su VELMORA$' > /dev/null
  expect_active 'Informazioni su VELMORA'
  keys "$closing"
  gone '^Informazioni su VELMORA$'
  expect_active 'Velmora 2.2'
done
keys alt+i a
window '^Aiuto$' > /dev/null
expect_active 'Aiuto'
xdotool windowactivate --sync "$main"
sleep 0.3

save() { # Enter on the focused Salva button, then OK on its message
  keys Return
  window '^Salva$' > /dev/null
  keys Return
}
xdotool type --delay 20 '200'
tabs 1
xdotool type --delay 20 '1000'
tabs 1
xdotool type --delay 20 '5.6'
tabs 1                                      # -> CALCOLA
keys Return
tabs 29                                     # -> NomeFile
xdotool type --delay 20 'keys.TXT'
tabs 1 shift+Tab                            # -> Salva
save
grep -q 'POTERE RISOLUTIVO  (")0.6CAMPO' keys.TXT || { echo "Enter on CALCOLA computed nothing"; exit 1; }
tabs 21 shift+Tab                           # Salva -> RESET
keys Return
tabs 21                                     # RESET -> Salva
save
grep -q '^Diametro otticammFocale otticamm' keys.TXT || { echo "Enter on RESET emptied nothing"; exit 1; }
tabs 3 shift+Tab                            # Salva -> ESCI
keys Return
ended 'Enter on ESCI'
