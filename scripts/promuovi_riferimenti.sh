#!/usr/bin/env bash
# Makes every output written by a failed reference test (tests/data/**/NAME.out.EXT)
# the new reference NAME.EXT, and removes the .diff.png pictures beside them.
# Look at every output first: for pictures, at NAME.out.png and NAME.diff.png;
# for texts and drawings, at `diff NAME.EXT NAME.out.EXT`.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s globstar nullglob
for uscita in tests/data/**/*.out.*; do
  nome=$(basename "$uscita")
  riferimento=$(dirname "$uscita")/${nome/.out./.}
  mv "$uscita" "$riferimento"
  rm -f "${riferimento%.*}.diff.png"
  echo "promoted: $riferimento"
done
