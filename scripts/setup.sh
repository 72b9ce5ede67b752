#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the program needs.
# Quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools libqt6network6 qt6-qpa-plugins libgl1-mesa-dev qt6-translations-l10n
  libturbojpeg0-dev
  libsdl2-dev libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps openbox
  fonts-ipafont-gothic fonts-ipafont-mincho
  tzdata
  sox libsox-fmt-mp3 lame
  python3
  clang-format
  clang libclang-rt-14-dev
  chromium
  g++-mingw-w64-x86-64-posix nasm wine64 zip unzip ccache dpkg-dev locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows build cross-compiles libjpeg-turbo and Google Benchmark from Debian's own source
# packages (the same versions as the Linux build). Source entries are enabled where missing,
# nothing else in the sources is changed.
sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ] && grep -q '^Types: deb$' "$sources"; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
  $SUDO apt-get update -qq
fi
bash "$(dirname "$0")/fetch-windows-sources.sh"
