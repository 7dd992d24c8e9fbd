#!/usr/bin/env bash
# Sets up a Debian 12 machine for Velmora (installs what is missing), builds
# into build/, then starts the program (`run`) or runs every test (`test`):
# the tests of the normal build, the same tests built with AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan/), and the fuzzers of the core
# for a minute each (build-fuzz/). With CI set, compiler warnings are errors.
# Both configure build/ alike, so that running after testing rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
  echo "usage: $0 run|test" >&2
  exit 2
fi

packages=(
  cmake ninja-build g++
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool openbox imagemagick
  clang libclang-rt-14-dev clang-format
  g++-mingw-w64-x86-64
  desktop-file-utils appstream dpkg-dev
  libcli11-dev nlohmann-json3-dev libcfitsio-dev zlib1g-dev libnova-dev liberfa-dev libpugixml-dev libhowardhinnant-date-dev tzdata help2man librsvg2-bin libxml2-utils
  python3-ephem
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  as_root=()
  [[ $(id -u) -ne 0 ]] && as_root=(sudo)
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# CI turns warnings into errors; otherwise the build keeps what it was
# configured with, so that running after testing compiles nothing again.
werror=()
[[ -n ${CI:-} ]] && werror=(-DVELMORA_WERROR=ON)
configure() {
  cmake --preset "$1" "${werror[@]}"
}

case $mode in
  run)
    configure default
    cmake --build --preset default --target velmora
    exec build/bin/velmora
    ;;
  test)
    for preset in default asan fuzz; do
      echo "== $preset =="
      configure "$preset"
      cmake --build --preset "$preset"
      ctest --preset "$preset"
    done
    ;;
esac
