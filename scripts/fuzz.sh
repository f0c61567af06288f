#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan, and runs each for the
# given number of seconds (default 60), seeded from tests/data and guided by
# tests/fuzz/<target>.dict when there is one. Prints the
# executions of each run; a crash, hang or sanitizer report fails the script.
# Usage: scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=${1:-60}
shift || true
./scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPIANOPRE_FUZZ=ON -DPIANOPRE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

obiettivi=("$@")
if [ ${#obiettivi[@]} -eq 0 ]; then
  obiettivi=($(sed -n 's/^pianopre_fuzz(\([a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt))
fi
cmake --build build-fuzz --target "${obiettivi[@]}"

semi_di() {
  case "$1" in
    fuzz_numero) echo tests/data/fuzz/numero ;;
    fuzz_dxf | fuzz_dxf_giro) echo tests/data/fuzz/dxf tests/data/exchange ;;
    fuzz_xyz) echo tests/data/fuzz/xyz ;;
    fuzz_csv_punti) echo tests/data/fuzz/csv_punti ;;
    fuzz_fotocamere) echo tests/data/fuzz/fotocamere ;;
    fuzz_lavoro) echo tests/data/fuzz/lavoro data/esempi ;;
  esac
}

# Options of one target: DXF inputs stay short, so that more of them run; a
# few kilobytes reach every group code and the 301st layer.
opzioni_di() {
  case "$1" in
    fuzz_dxf | fuzz_dxf_giro) echo -max_len=4096 ;;
  esac
}

totale=0
for o in "${obiettivi[@]}"; do
  corpus=$(mktemp -d)
  for semi in $(semi_di "$o"); do
    [ -d "$semi" ] && find "$semi" -type f -size -1024k ! -name '.*' -exec cp {} "$corpus"/ \;
  done
  read -r -a opzioni <<<"$(opzioni_di "$o")"
  dizionario=tests/fuzz/${o%_giro}.dict
  [ -f "$dizionario" ] && opzioni+=(-dict="$dizionario")
  log=$(mktemp)
  mkdir -p build-fuzz/reperti
  if ! ASAN_OPTIONS=detect_leaks=1 "./build-fuzz/tests/fuzz/$o" -max_total_time="$secondi" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/reperti/ "${opzioni[@]}" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "FUZZ FAILED: $o (the input that failed is in build-fuzz/reperti/)" >&2
    exit 1
  fi
  esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "$o: ${esecuzioni:-0} executions in ${secondi} s"
  totale=$((totale + ${esecuzioni:-0}))
  rm -rf "$corpus" "$log"
done
echo "total: $totale executions"
