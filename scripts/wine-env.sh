# Sourced by the scripts that run Windows programs: the Wine environment of
# one build tree. Usage: sy_wine_env <build-dir>
sy_wine_env() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="${SY_WINEPREFIX:-$build_dir/wineprefix}"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # The ANSI code page of zh_CN is 936 (GBK), the code page of every byte
  # string these programs exchange.
  export LC_ALL=zh_CN.UTF-8
  # No Mono or Gecko installer dialogs while the prefix is created.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINELOADER=/usr/lib/wine/wine64
  export SY_WINE=/usr/lib/wine/wine64
  export SY_WINESERVER=/usr/lib/wine/wineserver
}

# Creates the prefix once, under a lock so that parallel tests do not race.
sy_wine_prefix_ready() {
  local here
  here=$(dirname "${BASH_SOURCE[0]}")
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.sy-ready" ]; then
      "$SY_WINE" wineboot -i >/dev/null 2>&1 || true
      # Without a window manager under Xvfb, managed windows make every close
      # wait about two seconds.
      "$SY_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      # One known font for every window, so text widths are the same on every run.
      local face
      face=$(fc-match -f '%{family[0]}' 'WenQuanYi Micro Hei' 2>/dev/null || echo 'WenQuanYi Micro Hei')
      for name in 宋体 SimSun 新宋体 NSimSun; do
        "$SY_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "$face" /f >/dev/null 2>&1
      done
      "$SY_WINESERVER" -w
      touch "$WINEPREFIX/.sy-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Directory of the nearest CMake build tree above a path.
sy_build_dir_of() {
  local dir
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do
    dir=$(dirname "$dir")
  done
  echo "$dir"
}
