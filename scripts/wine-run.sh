#!/usr/bin/env bash
# Runs one Windows program under Wine with its build tree's own prefix; CTest
# uses it as the cross-compiling emulator. Without a display it brings its own
# Xvfb. Usage: wine-run.sh <program.exe> [arguments...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

sy_wine_env "$(sy_build_dir_of "$1")"
sy_wine_prefix_ready
exec "$SY_WINE" "$@"
