#!/usr/bin/env bash
# Measures how many lines of src/ the fuzz corpus runs: builds the harnesses
# for line coverage in BUILD, runs each once over its seed corpus and kept
# regression inputs, and prints llvm-cov's report for src/, the total last.
# Needs clang, llvm-profdata and llvm-cov (clang 14: llvm-profdata-14 and
# llvm-cov-14, installed with it). main.cpp is the one file no harness links.
# Usage: fuzz/coverage.sh [BUILD]   (BUILD defaults to build-fuzz-coverage)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-fuzz-coverage}
profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata)
cov=$(command -v llvm-cov-14 || command -v llvm-cov)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DVERIGLYPH_FUZZ=ON -DVERIGLYPH_FUZZ_COVERAGE=ON -DVERIGLYPH_TESTS=OFF >/dev/null
# The harnesses only: the program has no runtime for the fuzzer's counters.
targets=()
for source in "$root"/fuzz/*_fuzzer.cpp; do targets+=(--target "$(basename "$source" .cpp)"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}" >/dev/null

profiles=$build/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
objects=()
for harness in "$build"/fuzz/*_fuzzer; do
  name=$(basename "$harness")
  inputs=("$root/fuzz/corpus/$name")
  [[ -d $root/fuzz/regressions/$name ]] && inputs+=("$root/fuzz/regressions/$name")
  LLVM_PROFILE_FILE="$profiles/$name.profraw" "$harness" -runs=0 "${inputs[@]}" \
    >"$profiles/$name.log" 2>&1
  # llvm-cov takes the first binary as is, every further one after -object.
  [[ ${#objects[@]} -eq 0 ]] && objects=("$harness") || objects+=(-object "$harness")
done
"$profdata" merge -sparse "$profiles"/*.profraw -o "$profiles/all.profdata"
"$cov" report -instr-profile="$profiles/all.profdata" "${objects[@]}" "$root/src"
