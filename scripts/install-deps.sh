#!/usr/bin/env bash
# Installs what building and testing need, and only what is missing, on Debian.
# Safe to run again: with everything present it changes nothing.
set -euo pipefail

packages=()
need() { packages+=("$1"); }

command -v cmake >/dev/null || need cmake
command -v make >/dev/null || need make
command -v g++ >/dev/null || need g++
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need g++-mingw-w64-x86-64-posix
[ -x /usr/lib/wine/wine64 ] || { need wine; need wine64; }
command -v xvfb-run >/dev/null || need xvfb
command -v xauth >/dev/null || need xauth
command -v flock >/dev/null || need util-linux
command -v fc-match >/dev/null || need fontconfig
fc-list 2>/dev/null | grep -qi 'WenQuanYi Micro Hei' || need fonts-wqy-microhei
[ -f /usr/src/googletest/CMakeLists.txt ] || need googletest
[ -f /usr/include/gtest/gtest.h ] || need libgtest-dev
[ -f /usr/include/gmock/gmock.h ] || need libgmock-dev
[ -f /usr/share/i18n/SUPPORTED ] || need locales
if [ "${SY_WITH_PICTURES:-0}" = 1 ]; then
  command -v import >/dev/null && import -version >/dev/null 2>&1 || need imagemagick
  command -v xdotool >/dev/null || need xdotool
fi
if [ "${SY_WITH_BENCH:-0}" = 1 ]; then
  [ -f /usr/include/benchmark/benchmark.h ] || need libbenchmark-dev
fi

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo

if [ ${#packages[@]} -gt 0 ]; then
  echo "Installing: ${packages[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
fi

# Wine maps Chinese file names through the process locale, so zh_CN.UTF-8
# must exist.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "Generating the zh_CN.UTF-8 locale"
  $sudo sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
