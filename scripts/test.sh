#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively (with
# AddressSanitizer and UBSan), then the Windows build under Wine and Xvfb.
# Installs whatever is missing first. Ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== Native core (AddressSanitizer, UBSan)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j"$jobs"
native_status=0
ctest --preset native-asan -j"$jobs" || native_status=$?

echo "== Windows build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

# Whatever happens, the prefix's wineserver (and with it every Wine process
# the tests started in it) ends with this script.
stop_wine() { (sy_wine_env build/windows && "$SY_WINESERVER" -k) >/dev/null 2>&1 || true; }
trap stop_wine EXIT

windows_status=0
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows || windows_status=$?

if [ "$native_status" != 0 ]; then
  echo "Native tests failed (see above)."
fi
exit $(( native_status || windows_status ))
