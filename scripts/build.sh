#!/usr/bin/env bash
# Configures and builds pianopre. Usage: scripts/build.sh [--asan] [--release]
# The build goes to build/ (build-asan/ with --asan, build-release/ with --release).
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
args=(-G Ninja -DPIANOPRE_WERROR=ON)
for a in "$@"; do
  case "$a" in
    --asan) dir=build-asan; args+=(-DPIANOPRE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
    --release) dir=build-release; args+=(-DCMAKE_BUILD_TYPE=Release) ;;
    *) echo "unknown option: $a" >&2; exit 2 ;;
  esac
done

cmake -S . -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
