#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test both programs.
# Run as root; does nothing that is already done.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev googletest
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libxcb1-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xdotool xclip x11-utils xauth
  locales fonts-wqy-microhei attr file
  desktop-file-utils dpkg-dev imagemagick python3
  clang libclang-rt-14-dev util-linux
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! grep -qx i386 <<<"$(dpkg --print-foreign-architectures)"; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 must exist for code page 936.
if ! grep -qi '^zh_CN\.utf-\?8$' <<<"$(locale -a 2>/dev/null)"; then
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
