#!/usr/bin/env bash
# Pipes 100 000 EvaluateInductor requests through qiro-batch and reports requests per second.
# Usage: bench/batch_throughput.sh [path to qiro-batch, default build/release/src/cli/qiro-batch]
set -euo pipefail
batch=${1:-build/release/src/cli/qiro-batch}
requests=$(mktemp)
trap 'rm -f "$requests"' EXIT
for i in $(seq 1 100000); do
  printf '{"id":%d,"op":"EvaluateInductor","args":{"Core":"KMA157060","SecondCore":"KMA157060","CoreCount":1,"SecondCoreCount":0,"FrequencyKHz":100,"AverageCurrent":10,"PeakCurrent":14.14,"RippleCurrent":2.828,"WireDiameter":1.0,"StrandCount":1,"Turns":37}}\n' "$i"
done >"$requests"
best=
for run in 1 2 3 4 5; do
  start=$(date +%s.%N)
  "$batch" <"$requests" >/dev/null
  end=$(date +%s.%N)
  best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
done
awk -v b="$best" 'BEGIN { printf "100000 requests: best of 5 runs %.3f s, %.0f requests/s\n", b, 100000 / b }'
