# Installs the Debian packages the build, the tests and the tool need, when they are missing.
# shellcheck shell=bash

VANDRELLE_PACKAGES=(
  cmake make g++ libgtest-dev googletest libbenchmark-dev   # native core, tests, benchmarks
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64     # Windows cross build
  wine wine64 xvfb xauth x11-utils                          # running it on Linux
  fonts-liberation fonts-dejavu-core imagemagick            # Arial/Verdana stand-ins, screenshots
)

ensure_packages() {
  local missing=() pkg
  for pkg in "${VANDRELLE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
