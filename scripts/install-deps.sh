#!/usr/bin/env bash
# Installs every Debian 12 package the build, the program and the tests need.
# Idempotent: asks apt only for what is missing and runs `apt-get update` only then.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins libqt6network6 libgl-dev
  libsimpleini-dev libgtest-dev libgmock-dev
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libswscale-dev libmpv-dev libxcb1-dev ffmpeg
  libopencore-amrnb-dev libvorbis-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  xvfb xauth x11-apps imagemagick fonts-dejavu-core fonts-noto-cjk librsvg2-bin dbus-daemon
  python3-pyatspi at-spi2-core openbox xdotool
  clang libclang-rt-14-dev clang-format clang-tidy
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
