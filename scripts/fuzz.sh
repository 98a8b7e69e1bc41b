#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UBSan, the
# libraries instrumented as well) and runs each for a number of seconds.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
#   SY_FUZZ_DIR=build/mine scripts/fuzz.sh 10 editor_codec_fuzz
# A target's corpus grows in <build dir>/corpus/<target>; a failing input is
# written to <build dir>/crash-* and the script ends with an error.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true
dir=${SY_FUZZ_DIR:-build/fuzz}

if ! command -v clang++ >/dev/null; then
  echo "clang++ is missing: apt-get install -y clang" >&2
  exit 1
fi

CXX=clang++ cmake -S . -B "$dir" -DSY_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

for target in "${targets[@]}"; do
  echo "== $target for ${seconds}s"
  mkdir -p "$dir/corpus/$target"
  options=(-max_total_time="$seconds" -artifact_prefix="$dir/" -print_final_stats=1)
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  "$dir/fuzz/$target" "${options[@]}" "$dir/corpus/$target"
done
