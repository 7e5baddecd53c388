#!/usr/bin/env bash
# Fuzzes every target (or the targets named after SECONDS) for SECONDS each (default 60): builds
# the clang libFuzzer programs in build-fuzz/, starts each from its seed corpus and keeps what it
# learns in build-fuzz/corpus/.
# Inputs that crash land in build-fuzz/findings/<target>/; the script fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
shift || true
only=("$@")
bash scripts/deps.sh
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DOMBRIX_FUZZ=ON -DOMBRIX_TESTS=OFF -DOMBRIX_WERROR=OFF >/dev/null
mkdir -p build-fuzz
targets=(fuzz_targets)
[ ${#only[@]} -gt 0 ] && targets=("${only[@]/#/fuzz_}")
# A target that does not build is reported; the others are fuzzed all the same.
cmake --build build-fuzz --target "${targets[@]}" -- -k 0 -l12 >build-fuzz/build.log 2>&1 ||
  { failed_build=1; echo "some fuzz targets did not build; see build-fuzz/build.log"; }
export QT_QPA_PLATFORM=offscreen
failed=0
for program in build-fuzz/fuzz/fuzz_*; do
  [ -x "$program" ] || continue
  name="${program##*/fuzz_}"
  if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " =~ " $name " ]]; then continue; fi
  seeds="tests/fuzz/$name/corpus"
  work="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  mkdir -p "$work" "$findings"
  dict=()
  [ -f "tests/fuzz/$name/$name.dict" ] && dict=("-dict=tests/fuzz/$name/$name.dict")
  echo "fuzzing $name for $seconds s"
  if ! "$program" "${dict[@]}" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -max_len=16384 -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" \
      >"build-fuzz/findings/$name.log" 2>&1; then
    failed=1
    echo "  $name found a fault; inputs in $findings/, log in build-fuzz/findings/$name.log"
  fi
  grep -E "^stat::number_of_executed_units" "build-fuzz/findings/$name.log" | sed 's/^/  /' || true
done
[ -n "${failed_build:-}" ] && failed=1
exit "$failed"
