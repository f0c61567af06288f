#!/usr/bin/env bash
# Makes the images written by a failed golden-image test the new references.
# Look at every tests/data/**/*.out.png and its .diff.png first.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s globstar nullglob
for uscita in tests/data/**/*.out.png; do
  riferimento=${uscita%.out.png}.png
  mv "$uscita" "$riferimento"
  rm -f "${uscita%.out.png}.diff.png"
  echo "promoted: $riferimento"
done
