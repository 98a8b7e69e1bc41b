#!/usr/bin/env bash
# Takes the picture of the editor for the README: edit.exe on a small user
# code table, maximised on a 1024 x 768 Wine desktop under Xvfb, saved as
# docs/editor.png. The build and the Wine prefix are its own.
#   scripts/screenshot-editor.sh
#   SY_SHOT_DIR=build/mine scripts/screenshot-editor.sh
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  SY_WITH_PICTURES=1 "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
dir=${SY_SHOT_DIR:-build/screenshot-editor}

cmake --preset windows -B "$dir" >/dev/null
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" --target edit

sy_wine_env "$dir"
sy_wine_prefix_ready
stop_wine() { "$SY_WINESERVER" -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

install_dir="$WINEPREFIX/drive_c/朔云中文"
mkdir -p "$install_dir"
printf '%s\r\n' \
  'a 工' 'aa 式' 'aaaa 工' 'aad 工期' 'aafy 工商业' 'b 了' 'bb 子' 'bbbb 子' 'c 以' 'cc 又' \
  'd 在' 'dd 大' 'ddd 大大' 'e 有' 'ee 用' 'f 地' 'ff 土' 'g 一' 'gg 王' 'ggll 五笔' \
  'h 上' 'hh 目' 'i 不' 'j 是' 'jj 日' 'k 中' 'kk 口' 'khk 中文' 'l 国' 'll 田' \
  'm 同' 'mm 山' 'tfcu 朔云' 'tfcy 朔云中文' 'wfiu 输入法' 'ytyy 设置' 'ywtr 词组' 'zz 自造词' \
  | iconv -f UTF-8 -t GBK > "$install_dir/shuoyun.usr"

"$SY_WINE" explorer /desktop=shot,1024x768 "$root/$dir/bin/edit.exe" 'C:\朔云中文\shuoyun.usr' &
# The editor shows its whole text at once; give Wine's desktop time to draw.
for _ in $(seq 1 60); do
  sleep 0.5
  if xwininfo -root -tree 2>/dev/null | grep -q 'shot'; then break; fi
done
sleep 3
mkdir -p docs
import -window root docs/editor.png
echo "Picture of the editor: docs/editor.png"
