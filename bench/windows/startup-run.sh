#!/usr/bin/env bash
# Builds the Windows preset and runs the start-up benchmark under Wine on a private Xvfb display.
# Usage: bench/windows/startup-run.sh [rounds]
set -euo pipefail
VANDRELLE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export VANDRELLE_ROOT
cd "$VANDRELLE_ROOT"
source scripts/lib/wine-session.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_startup -j "$(nproc)"
trap 'stop_xvfb' EXIT
start_xvfb
prepare_wine_prefix
wine build/windows/bench_startup.exe "${1:-7}"
