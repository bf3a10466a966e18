#!/usr/bin/env bash
# Installs every Debian package the project builds, tests and runs with.
# Safe to run again: apt is asked only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  googletest libgtest-dev libgmock-dev
  qt6-base-dev libqt6opengl6-dev qt6-base-dev-tools
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libjpeg62-turbo-dev zlib1g-dev
  libsdl2-dev
  libfluidsynth-dev timgm6mb-soundfont
  fonts-liberation
  xvfb xauth xdotool imagemagick
  clang libclang-rt-14-dev
  stockfish pgn-extract polyglot
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
