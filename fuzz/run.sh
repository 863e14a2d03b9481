#!/usr/bin/env bash
# Runs every libFuzzer harness built in BUILD/fuzz: first over its kept
# regression inputs, then for SECONDS on a scratch copy of its seed corpus.
# A finding fails the run; its input is kept in fuzz/regressions/<harness>/
# (add it to the repository) and printed in base64.
# Usage: fuzz/run.sh BUILD [SECONDS]
set -euo pipefail

build=${1:?usage: fuzz/run.sh BUILD [SECONDS]}
seconds=${2:-30}
fuzz_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-fuzz-run.XXXXXX")
trap 'rm -rf -- "$scratch"' EXIT
# The harnesses that write files make their scratch trees in here, so that
# none is left behind even by a harness that crashed.
mkdir "$scratch/tmp"
export TMPDIR=$scratch/tmp

status=0
for harness in "$build"/fuzz/*_fuzzer; do
  name=$(basename "$harness")
  echo "fuzz: $name"
  regressions=("$fuzz_dir/regressions/$name"/*)
  if [[ -e ${regressions[0]} ]]; then
    "$harness" "${regressions[@]}" >"$scratch/$name.log" 2>&1 || {
      echo "fuzz: $name fails on a kept regression input" >&2
      tail -n 40 "$scratch/$name.log" >&2
      status=1
      continue
    }
  fi
  corpus=$scratch/corpus-$name
  mkdir -p "$corpus"
  cp "$fuzz_dir/corpus/$name"/* "$corpus"/
  if ! "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -artifact_prefix="$scratch/$name-" "$corpus" >"$scratch/$name.log" 2>&1; then
    status=1
    tail -n 40 "$scratch/$name.log" >&2
    mkdir -p "$fuzz_dir/regressions/$name"
    for finding in "$scratch/$name"-*; do
      [[ -e $finding ]] || continue
      cp "$finding" "$fuzz_dir/regressions/$name/"
      echo "fuzz: $name found $(basename "$finding"), kept in fuzz/regressions/$name/:" >&2
      base64 -w0 "$finding" >&2
      echo >&2
    done
  else
    grep -E '^Done [0-9]+ runs' "$scratch/$name.log" || true
  fi
done
exit "$status"
