# Shared by the end-to-end scripts: the X platform whatever the environment
# names, "." as the decimal separator, and bounded waits for windows.
export LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb

# Waits at most 10 s (or $2) for a visible window whose title matches; prints its id.
window() {
  timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" | head -n 1 ||
    { echo "no window titled '$1' appeared within ${2:-10} s" >&2; exit 1; }
}

# Waits at most 10 s until no visible window's title matches.
gone() {
  for ((i = 0; i < 100; i++)); do
    xdotool search --onlyvisible --name "$1" > /dev/null || return 0
    sleep 0.1
  done
  echo "the window titled '$1' is still open after 10 s" >&2
  exit 1
}

# Waits at most 10 s for the program to end; exits with its status.
ended() {
  for ((i = 0; i < 100; i++)); do
    if ! kill -0 "$app" 2> /dev/null; then
      wait "$app" && status=0 || status=$?
      app=
      echo "$1 ended the program with status $status"
      exit "$status"
    fi
    sleep 0.1
  done
  echo "$1 did not end the program within 10 s" >&2
  exit 1
}

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
tabs() { for ((i = 0; i < $1; i++)); do xdotool key "${2:-Tab}"; done; sleep 0.2; }
