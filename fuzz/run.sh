#!/usr/bin/env bash
# Builds the fuzz targets of every file and instrument-record reader with
# clang and runs each for a short time (FUZZ_SECONDS, default 12, which keeps
# the whole run near four minutes) from the seed files in fuzz/seeds/<target>.
# A crash or a sanitizer report fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-12}"
targets="rfg_fuzz wv_fuzz tdr_fuzz cable_base_fuzz cable_type_fuzz cable_type_text_fuzz frame_fuzz exchange_fuzz reflectogram_slot_fuzz sheet_fuzz wear_fuzz file_service_fuzz e1_page_fuzz rfc2544_fuzz xdsl_records_fuzz line_records_fuzz line_trace_fuzz family_database_fuzz family_rows_fuzz family_types_fuzz trace_plot_fuzz family_planned_fuzz kind9_records_fuzz"
build="${FUZZ_BUILD_DIR:-build-fuzz}"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DTELVANE_FUZZ=ON -DTELVANE_GUI=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target $targets

work="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in $targets; do
  mkdir -p "$work/$target"
  cp fuzz/seeds/"$target"/* "$work/$target"/
  echo "fuzz: $target for ${seconds}s"
  TMPDIR="$work" "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -max_len=8192 -print_final_stats=1 "$work/$target" 2>"$work/$target.log" || {
    tail -n 60 "$work/$target.log"
    echo "fuzz: $target failed"
    exit 1
  }
  grep -E "^stat::number_of_executed_units" "$work/$target.log" || true
done
echo "fuzz: no crash"
