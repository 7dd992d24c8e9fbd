#!/usr/bin/env bash
# Sets up a Debian 12 machine for Velmora (installs what is missing), builds
# into build/, then starts the program (`run`) or runs every test (`test`).
# With CI set in the environment, compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
  echo "usage: $0 run|test" >&2
  exit 2
fi

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  g++-mingw-w64-x86-64
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

werror=OFF
[[ -n ${CI:-} ]] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR="$werror"
cmake --build build

case $mode in
  run)
    exec build/ui/velmora
    ;;
  test)
    ctest --test-dir build --output-on-failure --timeout 600
    ;;
esac
