#!/usr/bin/env bash
# Builds the PNG decoder fuzzer with clang and runs it for a bounded time, seeded with the
# generated corpus.   bench/fuzz_png.sh [SECONDS] [WORKDIR]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SECONDS_TO_RUN=${1:-600}
WORK=${2:-$ROOT/build/fuzz-png}
# The benchmarks' own packages: the clock and its tests need none of them.
PACKAGES_WHO=bench
source "$ROOT/tools/debian_packages.sh"
install_missing_packages $(cat "$ROOT/bench/packages")
mkdir -p "$WORK/corpus" "$WORK/seeds" "$WORK/crashes"

python3 "$ROOT/tests/image/make_png_corpus.py" "$WORK/seeds"
SOURCES=$(ls "$ROOT"/src/image/png_*.cpp | grep -v -e _win32 -e _native -e png_encoder -e png_format)
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$ROOT/src" "$ROOT/bench/fuzz_png_decoder.cpp" $SOURCES -lz -o "$WORK/fuzz_png_decoder"

cd "$WORK"
./fuzz_png_decoder -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$WORK/crashes/" -print_final_stats=1 corpus seeds
