#!/usr/bin/env bash
# Pictures of the settings dialog's pages for the README: docs/page-*.png.
#
#   scripts/screenshots.sh [build-dir]     (default build/windows)
#
# Runs the dialog on the demo installation in a Wine prefix of its own below
# the build tree, inside Wine's virtual desktop on a private Xvfb: without a
# window manager the desktop is what gives the window its caption bar and
# frame. sy_settings_page_driver selects each page as a click on its tab does
# and reports where the window is; ImageMagick cuts the window out of the
# screen.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh

build=${1:-build/windows}
if [ -z "${SY_SHOTS_IN_XVFB:-}" ]; then
  SY_WITH_PICTURES=1 scripts/install-deps.sh
  [ -f "$build/CMakeCache.txt" ] || cmake --preset windows -B "$build" >/dev/null
  cmake --build "$build" -j2 --target shuoyun_opt sy_settings_page_driver
  export SY_SHOTS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

bin=$(cd "$build/bin" && pwd)
mkdir -p "$build/screenshots"
export SY_WINEPREFIX="$(cd "$build/screenshots" && pwd)/wineprefix"
sy_wine_env "$build"
sy_wine_prefix_ready

# The demo installation, with the candidate window's background picture off
# so that the colour preview shows.
install_dir="$WINEPREFIX/drive_c/朔云中文"
rm -rf "$install_dir"
cp -r demo/install "$install_dir"
iconv -f GBK -t UTF-8 demo/install/shuoyun.ini |
  sed 's/^\[高级设置\]\r$/[高级设置]\r\n汉字候选使用背景图=0\r/' |
  iconv -f UTF-8 -t GBK >"$install_dir/shuoyun.ini"
"$SY_WINE" reg add 'HKLM\SOFTWARE\朔云中文' /v 系统目录 /t REG_SZ /d 'C:\朔云中文' /f >/dev/null

"$SY_WINE" explorer /desktop=shot,1024x768 "$bin/shuoyun.opt" >/dev/null 2>&1 &
trap '"$SY_WINESERVER" -k >/dev/null 2>&1 || true' EXIT

# name, outer tab, inner tab (empty for the outer pages)
pages=(
  "page-1-basic 0 0"
  "page-2-advanced 0 1"
  "page-3-auto-phrase 0 2"
  "page-4-misc 0 3"
  "page-5-candidate-window 1"
  "page-6-status-bar 2"
  "page-7-switch-keys 3"
)
mkdir -p docs
for page in "${pages[@]}"; do
  read -r name outer inner <<<"$page"
  # shellcheck disable=SC2086 # the inner tab is absent for outer pages
  rect=$("$SY_WINE" "$bin/sy_settings_page_driver.exe" --desktop=shot $outer $inner | tr -d '\r')
  read -r x y width height <<<"$rect"
  sleep 1
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "docs/$name.png"
  echo "docs/$name.png"
done
