#!/usr/bin/env bash
# Runs one fuzz target for a while: run_fuzzer.sh TARGET SEEDS WORK SECONDS [DICT]
# New inputs go to WORK (made if missing); the seeds are read, never written. A finding
# leaves its input in WORK/crash-* and fails the run.
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4 dict=${5:-}
mkdir -p "$work"
args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
      -print_final_stats=1 -artifact_prefix="$work/")
[[ -n $dict ]] && args+=(-dict="$dict")
exec "$target" "${args[@]}" "$work" "$seeds"
