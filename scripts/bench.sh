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
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIANOPRE_BUILD_BENCH=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target pianopre bench_calcolo bench_scheme bench_ridis \
  bench_finestra bench_scambio picco_lettura_dxf bench_site bench_sito_disegno bench_report bench_geo bench_rete \
  >/dev/null
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

# One start: milliseconds from the launch to the main window mapped, as xev
# on the root window reports it on descriptor 4; nothing when no window is
# mapped within 10 s.
un_avvio() {
  local inizio riga p
  inizio=${EPOCHREALTIME/./}
  DISPLAY=$SCHERMO QT_QPA_PLATFORM=xcb "$dir/pianopre" >>"$esiti/avvio-processo.log" 2>&1 &
  p=$!
  while IFS= read -r -t 10 riga <&4; do
    if [[ $riga == MapNotify* ]]; then
      echo $(((${EPOCHREALTIME/./} - inizio) / 1000))
      break
    fi
  done
  kill "$p" 2>/dev/null || true
  wait "$p" 2>/dev/null || true
}

# Start-up of the whole process, seven times, on a virtual display watched by
# xev over one connection: polling with a new client every few milliseconds
# made some starts fail to connect.
avvio_processo() {
  echo "running start-up..." >&2
  local programma
  for programma in Xvfb xev xdpyinfo; do
    if ! command -v "$programma" >/dev/null; then
      echo "start-up left out: $programma is missing (packages xvfb, x11-utils)" >&2
      return 0
    fi
  done
  schermo_virtuale
  if [ -z "$SCHERMO" ]; then
    echo "start-up left out: no virtual display" >&2
    return 0
  fi
  local fifo xev
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  stdbuf -oL xev -display "$SCHERMO" -root -event substructure >"$fifo" 2>/dev/null &
  xev=$!
  exec 4<"$fifo"
  sleep 0.5
  # A start that fails (no window within 10 s) is logged and tried again.
  touch "$esiti/avvio-processo.txt"
  for _ in $(seq 10); do
    [ "$(wc -l <"$esiti/avvio-processo.txt")" -ge 7 ] && break
    un_avvio >>"$esiti/avvio-processo.txt" 2>>"$esiti/avvio-processo.log"
  done
  kill "$xev" "$XVFB_PID"
  wait "$xev" "$XVFB_PID" 2>/dev/null || true
  exec 4<&-
  rm -f "$fifo"
}

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

misura calcolo "$dir/bench/calc/bench_calcolo" "$ripetizioni"
misura schema "$dir/bench/scheme/bench_scheme" "$ripetizioni"
misura ridis "$dir/bench/view/bench_ridis" "$ripetizioni"
misura finestra "$dir/bench/app/bench_finestra" "$ripetizioni"
misura sito "$dir/bench/site/bench_site" "$ripetizioni"
misura sito-disegno "$dir/bench/site/bench_sito_disegno" "$ripetizioni"
misura report "$dir/bench/report/bench_report" 3
misura geo "$dir/bench/geo/bench_geo" "$ripetizioni"
misura rete "$dir/bench/rete/bench_rete" "$ripetizioni"
avvio_processo
prepara 10 100
picchi 10
picchi 100
scambio scambio "$ripetizioni"
# A release 2018 drawing of 100 MB written by ezdxf: our reader, its binary
# twin, and ezdxf reading the same file, in one run; the peak of each read.
misura r2018 "$dir/bench/exchange/bench_scambio" 3 \
  --benchmark_filter='^(leggi_r2018_ascii|leggi_r2018_binario|ezdxf_readfile)/'
for modo in r2018 r2018bin; do
  "$dir/bench/exchange/picco_lettura_dxf" 100 "$modo" >"$esiti/picco-100-$modo.txt" 2>&1 || true
done

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
