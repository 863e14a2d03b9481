#!/usr/bin/env bash
# Where veriglyph's time goes: callgrind (instructions, inclusive) on --match "Hello World" and
# --find 52ord over the 12dicts list (the shipped list when that is absent), and perf samples
# (cpu-clock, which works in VMs too) of --html over the list's first N entries: the share of
# each binary, then the top symbols (self). Builds Release with -g into <build folder>-profile.
# Each part is skipped with a note when its tool (valgrind, perf) is missing.
#
# Usage: bench/profile.sh [--entries N] [--no-build] [-h | --help]
#   --entries N   entries of the --html page set (default 8000)
#   --no-build    use the profile build as it is
# Environment: VERIGLYPH_BENCH_BUILD (default <repo>/build-bench; this script builds into
#   <it>-profile), VERIGLYPH_BENCH_SHARED (default <repo>/../shared), TMPDIR (scratch).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${VERIGLYPH_BENCH_BUILD:-$repo/build-bench}-profile
list_rel=spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
list=${VERIGLYPH_BENCH_SHARED:-$repo/../shared}/wordlists/12dicts-5d+2a.txt
[[ -f $list ]] || list=$repo/$list_rel
entries=8000 do_build=1

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "${BASH_SOURCE[0]}"; }
while (($#)); do
  case $1 in
    --entries) [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || { echo "--entries needs a positive integer" >&2; exit 2; }
      entries=$2 && shift ;;
    --no-build) do_build=0 ;;
    -h | --help) usage; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
  esac
  shift
done

if ((do_build)); then
  echo "== Building Release with -g into $build"
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g \
    -DVERIGLYPH_TESTS=OFF >/dev/null
  cmake --build "$build" --target veriglyph -j2 >/dev/null
fi
vg=$build/veriglyph
[[ -x $vg ]] || { echo "no $vg (drop --no-build?)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-profile.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

# tree DIR [ENTRIES]: the tree veriglyph expects in DIR, with the list linked (or its first
# ENTRIES lines copied) where it reads its word list.
tree() {
  mkdir -p "$1/spellbook/"{Results,Cyphers,ResultsHTML/{{A..Z},{a..z}}} "$1/${list_rel%/*}"
  cp "$repo"/spellbook/Cyphers/*.txt "$1/spellbook/Cyphers/"
  if [[ -n ${2:-} ]]; then head -n "$2" "$list" >"$1/$list_rel"; else ln -s "$(realpath "$list")" "$1/$list_rel"; fi
}

# Rows are file:function pairs, so code inlined from a header shows as a row of its own under
# the function it was inlined into; callgrind_annotate runs in the scratch folder, as it
# shortens the paths below its working folder.
callgrind() {
  local title=$1 dir=$work/callgrind
  shift
  rm -rf "$dir" && tree "$dir"
  (cd "$dir" && valgrind --tool=callgrind --callgrind-out-file="$dir/out" "$vg" "$@" \
    </dev/null >/dev/null 2>"$dir/valgrind.log")
  echo "-- $title over $(basename "$list"): top functions by inclusive instructions (Ir)"
  (cd "$dir" && callgrind_annotate --inclusive=yes --auto=no out 2>/dev/null) |
    grep -E '^ *[0-9,]+ +\( *[0-9.]+%\) ' | grep -vE 'PROGRAM TOTALS|below main|libc-start|ld-linux|_dl_' |
    sed -E -e 's/ \[[^]]*\]$//' -e 's#^( *[0-9,]+ +\( *[0-9.]+%\) +)[^ :]*/#\1#' \
      -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g' \
      -e 's/, std::allocator<[^<>]*> >/>/g' | head -n 16 || true
  echo
}

if command -v valgrind >/dev/null && command -v callgrind_annotate >/dev/null; then
  callgrind '--match "Hello World"' --match "Hello World"
  callgrind "--find 52ord" --find 52ord
else
  echo "NOTE: valgrind is not installed: the callgrind profiles are skipped"
fi

if command -v perf >/dev/null && perf record -q -e cpu-clock -o /dev/null true >/dev/null 2>&1; then
  dir=$work/perf
  tree "$dir" "$entries"
  (cd "$dir" && perf record -q -e cpu-clock -F 2000 -o "$dir/perf.data" "$vg" --html \
    </dev/null >/dev/null 2>"$dir/perf.log")
  echo "-- --html over the first $entries entries of $(basename "$list"): CPU samples by binary"
  perf report -i "$dir/perf.data" --no-children --sort dso --stdio 2>/dev/null |
    grep -E '^ +[0-9.]+%' | awk '{ printf "  %s %s\n", $1, $2 }' | head -n 5 || true
  echo "-- top symbols (self)"
  perf report -i "$dir/perf.data" --no-children --sort dso,symbol --stdio 2>/dev/null |
    grep -E '^ +[0-9.]+%' | sed -E -e 's/( +-)* *$//' -e 's/  +/ /g' \
      -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g' |
    head -n 16 || true
else
  echo "NOTE: perf is not available here: the --html profile is skipped"
fi
