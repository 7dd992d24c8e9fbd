#!/usr/bin/env bash
# velmora-calc as a separate process, where the C++ tests cannot reach:
# outputs that fail, special files, memory that runs out. Each case names
# its command; every run is bounded by a timeout, so a hang fails the test.
# Usage: process_test.sh path/to/velmora-calc [sanitized]
set -uo pipefail
calc=$1
sanitized=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0
vesta=(--telescope CelestronOTC8 --camera PhilipsVesta)

# expect STATUS WORDS -- COMMAND...: the status and a word of the one line on stderr.
expect() {
  local status=$1 words=$2
  shift 3
  local got
  timeout 10 "$@" 2>"$work/err"
  got=$?
  if [[ $got -ne $status ]] || ! grep -qF -- "$words" "$work/err" || [[ $(wc -l <"$work/err") -ne 1 ]]; then
    echo "FAILED: $* -> status $got (wanted $status), stderr: $(cat "$work/err")"
    failures=$((failures + 1))
  else
    passed=$((passed + 1))
  fi
}

# A full or closed standard output is a failure in every mode.
for mode in "--help" "--version" "${vesta[*]}" "${vesta[*]} --date 2026-12-06 --format json" "--sweep --format csv" \
  "--list cameras" "${vesta[*]} --target M31" "--sweep --target M31 --format json" "${vesta[*]} --suggest"; do
  # shellcheck disable=SC2086
  expect 3 "cannot write to standard output" -- sh -c "exec \"\$0\" $mode >/dev/full" "$calc"
  # shellcheck disable=SC2086
  expect 3 "cannot write to standard output" -- sh -c "exec \"\$0\" $mode >&-" "$calc"
done

# A reader that has gone (a pipe whose reading end is closed) is a failure
# reported in words, not a silent end by SIGPIPE; the pipe is closed before
# the program starts, so that no output is small enough to slip through.
closed_pipe='import os, subprocess, sys; r, w = os.pipe(); os.close(r); sys.exit(subprocess.call(sys.argv[1:], stdout=w))'
for mode in "--sweep --format csv" "--sweep --target M31" "${vesta[*]} --suggest" "${vesta[*]} --date 2026-12-06"; do
  # shellcheck disable=SC2086
  expect 3 "cannot write to standard output: Broken pipe" -- /usr/bin/python3 -c "$closed_pipe" "$calc" $mode
done

# Special files never make it wait.
mkfifo "$work/fifo"
expect 2 "not a regular file" -- "$calc" --catalogue "$work/fifo" --list cameras
expect 2 "not a regular file" -- "$calc" --fits "$work/fifo"
expect 3 "not a regular file" -- "$calc" "${vesta[@]}" --date 2026-12-06 --frame moon --svg "$work/fifo"
expect 2 "it is a folder" -- "$calc" --catalogue "$work" --list cameras

# An output cut short by a file size limit leaves the old file as it was,
# and no temporary file beside it.
keeps_old() {
  local file=$1 blocks=$2
  shift 2
  echo old >"$file"
  expect 3 "File too large" -- sh -c "ulimit -f $blocks; exec \"\$0\" \"\$@\" >/dev/null" "$calc" "$@"
  if [[ $(cat "$file") != old ]] || compgen -G "$(dirname "$file")/.$(basename "$file").*" >/dev/null; then
    echo "FAILED: a cut $file replaced the old one or left a temporary file"
    failures=$((failures + 1))
  fi
}
keeps_old "$work/e.xml" 8 --export oal --output "$work/e.xml"
keeps_old "$work/p.svg" 4 "${vesta[@]}" --date 2026-12-06 --frame moon --svg "$work/p.svg"

# An output through a link replaces the link's target; a write-protected
# file is kept.
"$calc" --export csv --output "$work/before.csv" 2>/dev/null
echo old >"$work/target.csv"
ln -s target.csv "$work/through.csv"
"$calc" --export csv --output "$work/through.csv" 2>"$work/err"
if [[ ! -L $work/through.csv ]] || ! cmp -s "$work/target.csv" "$work/before.csv"; then
  echo "FAILED: an export through a link did not replace its target: $(cat "$work/err")"
  failures=$((failures + 1))
fi
echo kept >"$work/protected.csv"
chmod 444 "$work/protected.csv"
expect 3 "it is write-protected" -- "$calc" --export csv --output "$work/protected.csv"
[[ $(cat "$work/protected.csv") == kept ]] || { echo "FAILED: a protected file was replaced"; failures=$((failures + 1)); }

# Names that are not UTF-8 are refused, never cut the JSON.
printf 'kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\ntelescope,Bad\377Name,100,1000,,,\n' \
  >"$work/bad.csv"
expect 2 "bad.csv:2: the name is not valid UTF-8" -- "$calc" --catalogue "$work/bad.csv" --list telescopes --format json
expect 2 "no telescope named" -- "$calc" --telescope $'Bad\xffName' --camera PhilipsVesta --format json

# Memory that runs out ends in one line and a failure status, wherever it
# runs out: in the loader, while starting, reading the deep-sky catalogue or
# computing. The sanitizers reserve far more address space than any limit
# here, so they skip this.
if [[ -z $sanitized ]]; then
  for kb in 6000 8000 10000 12000 16000 20000 24000; do
    for run in "--date 2026-12-06 --format json" "--target M31"; do
      # shellcheck disable=SC2086
      (ulimit -v $kb && timeout 10 "$calc" "${vesta[@]}" $run) >/dev/null 2>"$work/err"
      status=$?
      case $status in
        0) ok=1 ;;
        3) grep -q "out of memory" "$work/err" && ok=1 || ok=0 ;;
        127) grep -q "error while loading shared libraries" "$work/err" && ok=1 || ok=0 ;;
        *) ok=0 ;;
      esac
      if [[ $ok -eq 1 && $(wc -l <"$work/err") -le 1 ]]; then
        passed=$((passed + 1))
      else
        echo "FAILED: $run under ulimit -v $kb: status $status, stderr: $(cat "$work/err")"
        failures=$((failures + 1))
      fi
    done
  done
fi

echo "$passed passed, $failures failed"
[[ $failures -eq 0 ]]
