#!/usr/bin/env bash
# End to end: an ordinary session of the real velmora under a window manager
# (openbox on Xvfb), from the keyboard only. The About window opens active
# and Return or Esc closes it alone; the help window opens active; Enter
# presses the focused CALCOLA, Salva and RESET buttons; the report on disk is
# checked byte for byte; then presets from the menus, three help windows, an
# About window and a print, and Chiudi with them all open must end the
# program with status 0 (under AddressSanitizer: with no leak reported).
#   e2e_test.sh PATH/TO/velmora   (run inside xvfb-run)
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
save() { # Enter on the focused Salva button, then OK on its message
  keys Return
  window '^Salva$' > /dev/null
  keys Return
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

xdotool type --delay 20 '200';  tabs 1  # Text1 -> Text2
xdotool type --delay 20 '1000'; tabs 1  # -> Text3
xdotool type --delay 20 '7.4';  tabs 9  # -> Command1 ... Command2 -> Text14
xdotool type --delay 20 '640';  tabs 1  # -> Text22
xdotool type --delay 20 '480';  tabs 20 # -> Text28 ... Command4 -> NomeFile
xdotool type --delay 20 'prova.TXT'
tabs 4                                  # -> Text1, Text2, Text3, CALCOLA
keys Return
tabs 28                                 # -> Text4 ... Text7 -> Salva
save
expected='Diametro ottica200mmFocale ottica1000mmDimensione pixel7.4mMDimensione sensoreLunghezzapixel640'
expected+='Dimensione sensoreAltezzapixel480POTERE RISOLUTIVO  (")0.6CAMPO X PIXEL  (")1.526472'
expected+='MAGNITUDINE CCD18.6959495140734RAPPORTO FOCALE  f/5DIAGONALE SENSORE CCD mm5.92'
expected+="CAMPO SENSORE (')Lunghezza16.282368CAMPO SENSORE (')Altezza12.211776"
cmp <(printf '%s\r\n' "$expected") prova.TXT || { echo "report differs:"; od -c prova.TXT | head -20; exit 1; }

tabs 21 shift+Tab                       # Salva -> RESET
keys Return
tabs 21                                 # RESET -> Salva
save
grep -q '^Diametro otticammFocale otticamm' prova.TXT || { echo "Enter on RESET emptied nothing"; exit 1; }

keys alt+f Right Down Right Down Return # schmidtcassegrain > CelestronOTC8
keys alt+f Down Right Up Return         # ApriCamera > PhilipsVesta, the last
save                                    # the focus is back on Salva
grep -q '^Diametro ottica203mmFocale ottica2032mmDimensione pixel5.6mM' prova.TXT ||
  { echo "the report does not hold the chosen telescope and camera"; exit 1; }
for menu in a a p; do                   # two more help windows, an About window
  keys alt+i "$menu"
  xdotool windowactivate --sync "$main"
  sleep 0.3
done
[[ $(xdotool search --onlyvisible --name '^Aiuto$' | wc -l) -eq 3 ]] || { echo "three help windows expected"; exit 1; }
keys alt+f s                            # Stampa: no printer here
window '^Stampa$' > /dev/null
keys Return
xdotool windowactivate --sync "$main"
keys alt+f c                            # Chiudi
ended Chiudi
