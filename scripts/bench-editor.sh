#!/usr/bin/env bash
# Builds edit.exe and the benchmark driver (Windows preset with SY_BENCH), then
# in one run under Wine and Xvfb opens generated GBK code tables of each size
# in Wine's own Notepad and in edit.exe, saves them with edit.exe, and prints
# the times, the save floor and the peak memory with their ratios.
#   scripts/bench-editor.sh             # 1, 10 and 50 MB
#   scripts/bench-editor.sh 1 10        # other sizes, in MB
#   SY_BENCH_DIR=build/mine scripts/bench-editor.sh
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
dir=${SY_BENCH_DIR:-build/bench-editor}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 10 50)

cmake --preset windows -B "$dir" -DSY_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" --target edit editor_bench_driver

sy_wine_env "$dir"
sy_wine_prefix_ready
work="$dir/bench-tables"
mkdir -p "$work"
stop_wine() { "$SY_WINESERVER" -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

to_windows() { "$SY_WINE" winepath -w "$1" 2>/dev/null; }
cat <<'TEXT'
open:  start until the whole text is in the edit control and painted (target: edit <= 0.6 x notepad)
save:  "存盘退出" until the file is written and the input method told (target: <= 3 x floor, the
       time to encode the same text to GBK and write it plainly); exit: until the editor has ended
peak:  peak working set with the text shown (target: edit below notepad)
TEXT
"$SY_WINE" "$dir/bin/editor_bench_driver.exe" "$(to_windows "$dir/bin/edit.exe")" \
  'C:\windows\system32\notepad.exe' "$(to_windows "$work")" "${sizes[@]}"
