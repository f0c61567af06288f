#!/usr/bin/env bash
# The benchmark suite in one command: builds Release into build-release, runs
# every benchmark with repetitions, measures the peak memory of the DXF reads
# and the start-up of the program, and prints one table of medians, rates,
# ratios and targets (bench/tabella.py). The 500 MB exchange runs are added
# when the temporary folder has at least 3 GB free.
# Usage: scripts/bench.sh [repetitions]   (default 5; 3 for the 500 MB runs)
set -euo pipefail
cd "$(dirname "$0")/.."

ripetizioni=${1:-5}
dir=build-release
esiti=$dir/bench-risultati
temporanea=${TMPDIR:-/tmp}

./scripts/setup.sh
# Only what is measured is built: a broken test elsewhere must not stop the figures.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j "$(nproc)" --target pianopre bench_calcolo bench_scheme bench_ridis \
  bench_form6 bench_scambio picco_lettura_dxf >/dev/null
rm -rf "$esiti"
mkdir -p "$esiti"

# One benchmark program; its own output goes to a log beside the JSON.
misura() {
  local nome=$1 programma=$2 rip=$3
  shift 3
  echo "running $nome..." >&2
  "$programma" --benchmark_repetitions="$rip" --benchmark_report_aggregates_only=true \
    --benchmark_out="$esiti/$nome.json" --benchmark_out_format=json "$@" >"$esiti/$nome.log" 2>&1
}

# Peak memory of one read, each reader in a process of its own.
picchi() {
  for modo in leggi scansione dxflib; do
    "$dir/bench/exchange/picco_lettura_dxf" "$1" "$modo" >"$esiti/picco-$1-$modo.txt" 2>&1 || true
  done
}

# A virtual display of our own on the first free number from 240, away from
# the numbers xvfb-run takes for the GUI tests (99 down): SCHERMO
# names it (empty when none could be started), XVFB_PID its server.
SCHERMO=
XVFB_PID=
schermo_virtuale() {
  for n in $(seq 240 270); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        SCHERMO=":$n"
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  done
}

# One start: milliseconds from the launch to the main window mapped, polled
# every 5 ms; nothing when the window is not there within 10 s.
un_avvio() {
  local schermo=$1 inizio p
  inizio=$(date +%s%N)
  DISPLAY=$schermo QT_QPA_PLATFORM=xcb "$dir/pianopre" >>"$esiti/avvio-processo.log" 2>&1 &
  p=$!
  until DISPLAY=$schermo xdotool search --onlyvisible --name "TE.C.L.A" >/dev/null 2>&1; do
    if ! kill -0 "$p" 2>/dev/null || [ $(($(date +%s%N) - inizio)) -gt 10000000000 ]; then
      kill "$p" 2>/dev/null || true
      wait "$p" 2>/dev/null || true
      return 0
    fi
    sleep 0.005
  done
  echo $((($(date +%s%N) - inizio) / 1000000))
  kill "$p"
  wait "$p" 2>/dev/null || true
}

# Start-up of the whole process, seven times, on a virtual display.
avvio_processo() {
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || return 0
  echo "running start-up..." >&2
  schermo_virtuale
  if [ -z "$SCHERMO" ]; then
    echo "start-up left out: no virtual display" >&2
    return 0
  fi
  # A start that fails (no window within 10 s) is logged and tried again.
  touch "$esiti/avvio-processo.txt"
  for _ in $(seq 10); do
    [ "$(wc -l <"$esiti/avvio-processo.txt")" -ge 7 ] && break
    un_avvio "$SCHERMO" >>"$esiti/avvio-processo.txt"
  done
  kill "$XVFB_PID"
  wait "$XVFB_PID" 2>/dev/null || true
}

misura calcolo "$dir/bench/calc/bench_calcolo" "$ripetizioni"
misura schema "$dir/bench/scheme/bench_scheme" "$ripetizioni"
misura ridis "$dir/bench/view/bench_ridis" "$ripetizioni"
misura finestra "$dir/bench/app/bench_form6" "$ripetizioni"
avvio_processo

# The DXF files of the given sizes, written before anything is timed and
# flushed to the disk, so that no read is measured against the kernel writing back.
prepara() {
  for mb in "$@"; do "$dir/bench/exchange/picco_lettura_dxf" "$mb" scansione >/dev/null; done
  sync
}

# Reads first, then the writers, whose files are flushed before the next step.
scambio() {
  local nome=$1 rip=$2
  misura "$nome-lettura" "$dir/bench/exchange/bench_scambio" "$rip" \
    --benchmark_filter='^(leggi_dxf_file|scansione_righe|dxflib_in)/'
  misura "$nome-scrittura" "$dir/bench/exchange/bench_scambio" "$rip" --benchmark_filter='^salva_'
  sync
}

prepara 10 100
picchi 10
picchi 100
scambio scambio "$ripetizioni"

libero_kb=$(df -Pk "$temporanea" | awk 'NR == 2 {print $4}')
if [ "$libero_kb" -ge $((3 * 1024 * 1024)) ]; then
  export PIANOPRE_BENCH_MB=500
  prepara 500
  picchi 500
  scambio scambio-500 3
  unset PIANOPRE_BENCH_MB
  rm -f "$temporanea/pianopre-bench-500MB.dxf"
else
  echo "500 MB runs left out: $((libero_kb / 1024)) MB free in $temporanea, 3 GB needed" >&2
fi

/usr/bin/python3 bench/tabella.py "$esiti"
