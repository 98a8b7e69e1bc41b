#!/usr/bin/env bash
# The main job: builds the Windows programs and opens the settings dialog on a
# demo installation (a directory with a settings file and two skins, and the
# registry values that point at it) in a Wine prefix of its own.
#
#   scripts/run-demo.sh            open the dialog on your display (or under Xvfb)
#   scripts/run-demo.sh --reset    start again from the shipped demo files
#   scripts/run-demo.sh --98       the 98 variant (caption ends in 98)
#   scripts/run-demo.sh --edit F   open the editor on F of the demo install
#                                  (shuoyun.ini, shuoyun.usr or quick.mb)
#
# Without a display it runs under Xvfb for SY_DEMO_SECONDS (default 15),
# saves a picture of the dialog in build/demo/dialog.png where ImageMagick is
# installed, and then ends the demo prefix.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh

reset=0 variant=normal edit_file=""
while [ $# -gt 0 ]; do
  case "$1" in
    --reset) reset=1 ;;
    --98) variant=98 ;;
    --edit) edit_file=${2:?--edit needs a file name}; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

if [ -z "${DISPLAY:-}" ]; then
  SY_WITH_PICTURES=1 scripts/install-deps.sh
else
  scripts/install-deps.sh
fi
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target shuoyun_opt edit

mkdir -p build/demo
export SY_WINEPREFIX="$root/build/demo/wineprefix"
sy_wine_env build/demo

if [ -z "${DISPLAY:-}" ] && [ -z "${SY_DEMO_IN_XVFB:-}" ]; then
  export SY_DEMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

sy_wine_prefix_ready
install_dir="$WINEPREFIX/drive_c/朔云中文"
if [ "$reset" = 1 ] || [ ! -d "$install_dir" ]; then
  rm -rf "$install_dir"
  cp -r demo/install "$install_dir"
  printf 'aaaa\t工\r\nbbbb\t节\r\n' | iconv -f UTF-8 -t GBK > "$install_dir/shuoyun.usr"
  printf 'dz\t朔云中文输入法\r\n' | iconv -f UTF-8 -t GBK > "$install_dir/quick.mb"
fi
for value in 系统目录 系统目录98; do
  "$SY_WINE" reg add 'HKLM\SOFTWARE\朔云中文' /v "$value" /t REG_SZ /d 'C:\朔云中文' /f >/dev/null
done

echo "Demo installation: $install_dir (C:\\朔云中文 in the prefix $WINEPREFIX)"
echo "Settings file before:"
iconv -c -f GBK -t UTF-8 "$install_dir/shuoyun.ini" | sed "s/^/    /" || true

bin="$root/build/windows/bin"
if [ -n "$edit_file" ]; then
  command=("$SY_WINE" "$bin/edit.exe" "C:\\朔云中文\\$edit_file")
elif [ "$variant" = 98 ]; then
  command=("$SY_WINE" "$bin/shuoyun.opt" 98)
else
  command=("$SY_WINE" "$bin/shuoyun.opt")
fi

if [ -n "${SY_DEMO_IN_XVFB:-}" ]; then
  "${command[@]}" &
  program=$!
  sleep "${SY_DEMO_SECONDS:-15}"
  if command -v import >/dev/null; then
    import -window root build/demo/dialog.png && echo "Picture of the screen: build/demo/dialog.png"
  fi
  echo "No display: the program ran under Xvfb and is now ended."
  "$SY_WINESERVER" -k || true
  wait "$program" 2>/dev/null || true
else
  status=0
  "${command[@]}" || status=$?
  echo "The program ended with exit code $status."
  echo "Settings file after:"
  iconv -c -f GBK -t UTF-8 "$install_dir/shuoyun.ini" | sed "s/^/    /" || true
  "$SY_WINESERVER" -w || true
fi
