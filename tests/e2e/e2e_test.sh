#!/usr/bin/env bash
# End to end: the real velmora under Xvfb, driven through the keyboard. Types
# the five inputs and a report name, presses CALCOLA and the save button,
# checks the report on disk byte for byte, then presses ESCI and checks that
# the program has ended.
#   e2e_test.sh PATH/TO/velmora   (run inside xvfb-run)
set -euo pipefail
velmora=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true' EXIT
cd "$work"

"$velmora" & app=$!
window '^Velmora 2\.2$' > /dev/null
xdotool mousemove 300 200 # no window manager here: the keyboard follows the pointer
sleep 0.5

xdotool type --delay 20 '200';  tabs 1  # Text1 -> Text2
xdotool type --delay 20 '1000'; tabs 1  # -> Text3
xdotool type --delay 20 '7.4';  tabs 9  # -> Command1 ... Command2 -> Text14
xdotool type --delay 20 '640';  tabs 1  # -> Text22
xdotool type --delay 20 '480';  tabs 20 # -> Text28 ... Command4 -> NomeFile
xdotool type --delay 20 'prova.TXT'
tabs 4                                  # -> Text1, Text2, Text3, Command1
xdotool key space                       # CALCOLA
tabs 28                                 # -> Text4 ... Text7 -> Command4
xdotool key space                       # Salva Calcolo
window '^Salva$' > /dev/null
xdotool key Return                      # OK on "Salvataggio effettuato!"
sleep 0.5

expected='Diametro ottica200mmFocale ottica1000mmDimensione pixel7.4mMDimensione sensoreLunghezzapixel640'
expected+='Dimensione sensoreAltezzapixel480POTERE RISOLUTIVO  (")0.6CAMPO X PIXEL  (")1.526472'
expected+='MAGNITUDINE CCD18.6959495140734RAPPORTO FOCALE  f/5DIAGONALE SENSORE CCD mm5.92'
expected+="CAMPO SENSORE (')Lunghezza16.282368CAMPO SENSORE (')Altezza12.211776"
if ! cmp <(printf '%s\r\n' "$expected") prova.TXT; then
  echo "report differs:"; od -c prova.TXT | head -20
  exit 1
fi
echo "report: $(wc -c < prova.TXT) bytes as expected"

xdotool key shift+Tab shift+Tab shift+Tab # Command4 -> Text7 -> Text8 -> Command3
xdotool key space                         # ESCI
ended ESCI
