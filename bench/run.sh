#!/usr/bin/env bash
# End-to-end benchmarks of veriglyph, each figure paired with a yardstick measured in the same
# run: the two alternate (who goes first flips every round, after an untimed warm-up round),
# each run timed by the project's runner veriglyph_measure (bench/measure.cpp: wall time,
# whole-process CPU time user + sys, peak RSS); bench/stats.py prints medians and ratios of
# medians. The yardsticks floor and writefloor are compiled at run time from ../shared/perf
# (their scenarios skipped with a note when absent). Profiles: profile.sh; server: serve.sh.
#
# Usage: bench/run.sh [SCENARIO...] [OPTION...]
# Scenarios (none named: the quick set --sizes --cypher --pages, a few minutes):
#   --sizes[=A,B]  on word lists of 67.7k (12dicts), 663k and 2.65m entries (all three, or
#                  those named): --match "Hello World" / floor match LIST "Hello World", and
#                  --find 52ord / floor load LIST. Targets: CPU <= 2x, peak RSS <= 2x
#   --big          --table FILE and --csv FILE (the built-in columns, to /dev/null) on a ~200 MB
#                  word file and a ~200 MB sentence file / floor load FILE. CPU <= 3x; RSS flat,
#                  i.e. <= 1.5x veriglyph's own on the file's first 1/32 (the slice)
#   --scan         --scan SENTENCEFILE 33ord/21red 6 / floor load SENTENCEFILE, as --big
#                  (skipped with a note while veriglyph has no --scan)
#   --cypher       veriglyph Hello heb (an own tag: reads the shipped spellbook/Cyphers/) /
#                  veriglyph Hello ord (built in, never reads it). Target: +2 ms CPU at most
#   --pages        --html over the first 8,000 12dicts entries / floor pages LIST 8000 plus
#                  cp -r of the pages written. Target: wall <= 1.5x the sum
#   --full-set     opt-in: --html over the whole shipped list (74,182 pages, ~9 GB) /
#                  writefloor with the same file count and total bytes. Target: wall <= 3x.
#                  Each run on a fresh 12 GB tmpfs when root (else in a fresh folder after
#                  sync and a pause; then 12 GB must be free)
#   --all          every scenario but --full-set
# Options:
#   --runs N          rounds per scenario (defaults: 5 --sizes, 15 --cypher, 3 --big, --scan,
#                     --pages; 1 --full-set, which has no warm-up round)
#   --full-entries N  --full-set over the first N entries of the shipped list (a trial)
#   --no-build        use the binaries already built (else Release into the build folder)
#   --micro           also the Google Benchmark micro-benchmarks (built when it is installed)
#   -h, --help        this text
# Environment: VERIGLYPH_BENCH_BUILD (build folder, default <repo>/build-bench),
#   VERIGLYPH_BENCH_CACHE (generated inputs, default <build folder>/inputs),
#   VERIGLYPH_BENCH_SHARED (default <repo>/../shared: wordlists/12dicts-5d+2a.txt, perf/),
#   VERIGLYPH_JOBS (veriglyph's --html threads; writefloor gets as many), TMPDIR (scratch).
# Inputs made once into the cache: 663k.txt, Debian's wamerican-insane as CR LF lines; 2.65m.txt,
# that and three copies with "s", "ness", "ing" appended to every word; words200.txt, 663k.txt
# repeated to ~200 MB; sentences200.txt, ~200 MB of lines of 5-15 words of 663k.txt drawn by a
# fixed-seed generator; *.slice, a file's first 1/32 (whole lines). Runs happen in scratch trees
# (spellbook/ with Results/, ResultsHTML/<A-Za-z>/, the shipped Cyphers/ and the list linked
# where veriglyph reads it), emptied of results between runs. Samples: <build>/bench-last.tsv.
# shellcheck disable=SC2034  # ycmd, vcmd and scmd are read through a nameref, in side()
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${VERIGLYPH_BENCH_BUILD:-$repo/build-bench}
cache=${VERIGLYPH_BENCH_CACHE:-$build/inputs}
shared=${VERIGLYPH_BENCH_SHARED:-$repo/../shared}
list12=$shared/wordlists/12dicts-5d+2a.txt
insane=/usr/share/dict/american-english-insane
list_rel=spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
shipped=$repo/$list_rel
jobs=${VERIGLYPH_JOBS:-$(nproc)} && jobs=$((jobs < 16 ? jobs : 16))
runs='' do_build=1 micro=0 full_entries='' sizes=12dicts,663k,2.65m failures=0 round=0 nowarm=0
declare -A want=()

die() { echo "run.sh: $*" >&2; exit 2; }
note() { echo "NOTE: $*"; }
usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 && !/shellcheck/ { sub(/^# ?/, ""); print }' "${BASH_SOURCE[0]}"; }
while (($#)); do
  case $1 in
    --sizes=*) sizes=${1#*=} want[sizes]=1 ;;
    --sizes | --big | --scan | --cypher | --pages | --full-set) want[${1#--}]=1 ;;
    --all) for s in sizes big scan cypher pages; do want[$s]=1; done ;;
    --runs | --full-entries)
      (($# > 1)) || die "$1 needs a number"
      [[ $2 =~ ^[1-9][0-9]*$ ]] || die "$1 needs a positive integer, got '$2'"
      if [[ $1 == --runs ]]; then runs=$2; else full_entries=$2; fi
      shift ;;
    --no-build) do_build=0 ;;
    --micro) micro=1 ;;
    -h | --help) usage; exit 0 ;;
    *) die "unknown option: $1 (see --help)" ;;
  esac
  shift
done
((${#want[@]})) || want=([sizes]=1 [cypher]=1 [pages]=1)
for s in ${sizes//,/ }; do [[ $s =~ ^(12dicts|663k|2\.65m)$ ]] || die "unknown list size: $s"; done

if ((do_build)); then
  echo "== Building Release into $build"
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVERIGLYPH_TESTS=OFF \
    -DVERIGLYPH_BENCH=ON >/dev/null
  cmake --build "$build" --target veriglyph veriglyph_measure -j2 >/dev/null
fi
vg=$build/veriglyph measure=$build/bench/veriglyph_measure
[[ -x $vg && -x $measure ]] || die "no $vg or $measure (drop --no-build?)"

# yardstick SOURCE COMPILER...: prints the binary of a yardstick, built as its header says
# (again when the source is newer), or nothing when its source is absent.
yardstick() {
  local src=$shared/perf/$1 bin=$build/${1%.*}
  shift
  [[ -f $src ]] || return 0
  [[ -x $bin && ! $src -nt $bin ]] || "$@" -o "$bin" "$src"
  echo "$bin"
}
floor=$(yardstick floor.cpp g++ -O3 -march=native -std=c++17)
writefloor=$(yardstick writefloor.c cc -O2 -pthread)

work=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-bench.XXXXXX")
raw=$work/raw.tsv mounted=
: >"$raw"
cleanup() { [[ -z $mounted ]] || umount "$mounted" || true; rm -rf -- "$work"; }
trap cleanup EXIT

# input NAME: prints the path of a generated input, making it once into the cache.
input() {
  local f=$cache/$1 l n i
  if [[ ! -s $f ]]; then
    mkdir -p "$cache" && echo "   (making $f once)" >&2
    case $1 in
      663k.txt) [[ -f $insane ]] || die "$insane is missing (Debian: wamerican-insane)"
        sed 's/$/\r/' "$insane" ;;
      2.65m.txt) l=$(input 663k.txt)
        cat "$l" && for s in s ness ing; do sed "s/\r\$/$s\r/" "$l"; done ;;
      words200.txt) l=$(input 663k.txt) && n=$(((200000000 + $(stat -c %s "$l") / 2) / $(stat -c %s "$l")))
        for ((i = 0; i < n; i++)); do cat "$l"; done ;;
      sentences200.txt) # Park-Miller generator: exact in any awk's doubles, same every time
        tr -d '\r' <"$(input 663k.txt)" | LC_ALL=C awk -v want=200000000 '{ w[n++] = $0 } END {
          for (x = 20261207; size < want; size += length(line) + 1) {
            x = x * 16807 % 2147483647; k = 5 + x % 11; line = ""
            for (i = 0; i < k; i++) { x = x * 16807 % 2147483647; line = line (i ? " " : "") w[x % n] }
            print line
          } }' ;;
      *.slice) l=$(input "${1%.slice}")
        head -c $(($(stat -c %s "$l") / 32)) "$l" | sed '$d' ;;
      *) die "no such input: $1" ;;
    esac >"$f.part"
    mv "$f.part" "$f"
  fi
  echo "$f"
}

# tree [LIST [ENTRIES [DIR]]]: sets t to a fresh scratch tree (or builds it in DIR) as veriglyph
# expects it, with LIST linked (or its first ENTRIES lines copied) where it reads its list.
tree() {
  t=${3:-$(mktemp -d "$work/tree.XXXXXX")}
  mkdir -p "$t/spellbook/"{Results,Cyphers,ResultsHTML/{{A..Z},{a..z}}} "$t/${list_rel%/*}"
  cp "$repo"/spellbook/Cyphers/*.txt "$t/spellbook/Cyphers/"
  [[ -z ${2:-} ]] || head -n "$2" "$1" >"$t/$list_rel"
  [[ -z ${1:-} || -n ${2:-} ]] || ln -s "$(realpath "$1")" "$t/$list_rel"
  : >"$t/spellbook/user_entries.txt"
}

# reset DIR: removes what a run wrote, so that each run takes the same path (a --match report
# is only created new, an existing one detours; the spellbook starts empty).
reset() { find "$1"/spellbook/Results* -type f -delete && : >"$1/spellbook/user_entries.txt"; }

# scenario ID LABEL YARDSTICK METRIC KIND LIMIT MEMKIND MEMLIMIT: starts a scenario (see stats.py).
scenario() { scen=$1 && (IFS=$'\t' && echo "def	$*") >>"$raw" && echo "-- $2 / $3"; }

# timed SIDE DIR COMMAND...: one run in DIR, standard input and output /dev/null; a sample of the
# scenario unless in the warm-up round. A failing status or any standard error counts a failure.
timed() {
  local side=$1 dir=$2 w u s rss st
  (cd "$dir" && exec "$measure" "$work/m" "${@:3}" </dev/null >/dev/null 2>"$work/err") ||
    die "veriglyph_measure failed: $(cat "$work/err")"
  read -r w u s rss st <"$work/m"
  if ((st != 0)) || [[ -s $work/err ]]; then
    echo "  $scen ($side, round $round): status $st: $(head -c 300 "$work/err")" >&2 && ((++failures))
  fi
  ((round == 0)) || printf 'sample\t%s\t%s\t%s\t%s\t%s\t%s\n' "$scen" "$side" "$w" "$u" "$s" "$rss" >>"$raw"
}

# rotate N CALL...: rounds 0 (a warm-up, skipped when nowarm=1) to N of the calls (a function and
# its words) in turn, the order rotated every round.
rotate() {
  local n=$1 calls=("${@:2}") k
  for ((round = nowarm; round <= n; round++)); do
    for ((k = 0; k < ${#calls[@]}; k++)); do ${calls[(round + k) % ${#calls[@]}]}; done
  done
}
# side S: a run of the command in the array Scmd (ycmd, vcmd, scmd) as side S, in the tree t.
side() { local -n cmd=$1cmd && reset "$t" && timed "$1" "$t" "${cmd[@]}"; }

# contention: the load and the share of the last 10 s in which tasks waited for a CPU or I/O.
contention() {
  echo "load $(cut -d' ' -f1-3 /proc/loadavg), cpu/io pressure" \
    "$(cat /proc/pressure/{cpu,io} 2>/dev/null | awk '/^some/ { sub("avg10=", "", $2); printf "%s%% ", $2 }')"
}
echo "== $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'); $(c++ --version | head -n 1)"
echo "== Contention at start: $(contention); VERIGLYPH_JOBS=${VERIGLYPH_JOBS:-unset}"
[[ -n $floor ]] || note "no $shared/perf/floor.cpp: every scenario with floor is skipped"
[[ -f $list12 ]] || note "no $list12: its scenarios are skipped"

if [[ -n ${want[sizes]:-} && -n $floor ]]; then
  for size in ${sizes//,/ }; do
    if [[ $size == 12dicts ]]; then list=$list12; else list=$(input "$size.txt"); fi
    [[ -f $list ]] || continue
    tree "$list"
    scenario "match-$size" "--match \"Hello World\", $size" "floor match" cpu ratio 2 ratio 2
    ycmd=("$floor" match "$list" "Hello World") vcmd=("$vg" --match "Hello World")
    rotate "${runs:-5}" "side y" "side v"
    scenario "find-$size" "--find 52ord, $size" "floor load" cpu ratio 2 ratio 2
    ycmd=("$floor" load "$list") vcmd=("$vg" --find 52ord)
    rotate "${runs:-5}" "side y" "side v"
  done
fi

# big ID FILE ARGS...: veriglyph ARGS with FILE for @ against floor load FILE, and the same on
# FILE's slice for the flat-memory target; the built-in columns, the floor's work (no own files).
big() {
  local id=$1 file=$2 name
  shift 2
  name=$(basename "$file" .txt)
  scenario "$id" "${*/@/$name}" "floor load" cpu ratio 3 flat 1.5
  tree && rm -f "$t"/spellbook/Cyphers/*.txt
  ycmd=("$floor" load "$file") vcmd=("$vg" "${@/@/$file}") scmd=("$vg" "${@/@/$(input "$name.txt.slice")}")
  rotate "${runs:-3}" "side y" "side v" "side s"
}
if [[ -n ${want[big]:-} && -n $floor ]]; then
  for name in words200 sentences200; do
    big "table-$name" "$(input $name.txt)" --table @
    big "csv-$name" "$(input $name.txt)" --csv @
  done
fi

# Whether this veriglyph knows --scan: an unknown switch is taken for a spell to analyse (and to
# archive), hence the scratch tree.
has_scan() {
  tree && printf 'Hello World\nbeyond the sea\n' >"$t/probe.txt"
  (cd "$t" && "$vg" --scan probe.txt 33ord/21red 6 </dev/null >"$t/out" 2>&1) &&
    ! grep -q -e '"--scan"' -e 'invalid method' "$t/out" && [[ ! -s $t/spellbook/user_entries.txt ]]
}
if [[ -n ${want[scan]:-} && -n $floor ]] && ! has_scan; then
  note "this veriglyph has no --scan yet: its scenario is skipped"
elif [[ -n ${want[scan]:-} && -n $floor ]]; then
  big scan "$(input sentences200.txt)" --scan @ 33ord/21red 6
fi

if [[ -n ${want[cypher]:-} ]]; then
  tree
  scenario cypher "veriglyph Hello heb (own tag)" "veriglyph Hello ord" cpu diff 2 - -
  ycmd=("$vg" Hello ord) vcmd=("$vg" Hello heb)
  rotate "${runs:-15}" "side y" "side v"
fi

# The page set: every --html run writes into a fresh tree (reused inodes of just-deleted pages
# cost the kernel extra), then its pages are copied with cp -r into a fresh folder: about the
# least it takes to write those files. Dirty pages are written back (untimed) before each.
p_html() {
  tree "$list12" 8000
  sync -f "$t"
  timed v "$t" "$vg" --html
  pages=$(find "$t/spellbook/ResultsHTML" -type f | wc -l) copy=$(mktemp -d "$work/copy.XXXXXX")
  sync -f "$copy"
  timed y2 "$copy" cp -r "$t/spellbook/ResultsHTML" "$copy/ResultsHTML"
}
p_floor() { timed y "$work" "$floor" pages "$list12" 8000; }
if [[ -n ${want[pages]:-} && -n $floor && -f $list12 ]]; then
  scenario pages "--html, first 8,000 of 12dicts" "floor pages 8000 + cp -r" wall ratio 1.5 - -
  rotate "${runs:-3}" p_floor p_html
  printf 'note\tpages\t%s pages written per run\n' "$pages" >>"$raw"
  rm -rf -- "$work"/tree.* "$work"/copy.*
fi

# The whole shipped list: each run in a fresh folder, on a fresh tmpfs when root.
fresh() {
  d=$(mktemp -d "$work/full.XXXXXX")
  if ((tmpfs)) && mount -t tmpfs -o size=12g tmpfs "$d"; then mounted=$d; else sync && sleep 5; fi
}
gone() { [[ -z $mounted ]] || { umount "$mounted" && mounted=; }; rm -rf -- "$d"; }
f_html() {
  fresh
  tree "$shipped" "${full_entries:-999999}" "$d"
  timed v "$d" "$vg" --html
  files=$(find "$d/spellbook/ResultsHTML" -type f | wc -l)
  bytes=$(find "$d/spellbook/ResultsHTML" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%.0f\n", s }')
  gone
}
f_floor() { fresh && timed y "$d" "$writefloor" "$d/w" "$files" $((bytes / files)) "$jobs" && gone; }
tmpfs=$((EUID == 0))
if [[ -n ${want[full-set]:-} && -z $writefloor ]]; then
  note "no $shared/perf/writefloor.c: --full-set is skipped"
elif [[ -n ${want[full-set]:-} ]]; then
  ((tmpfs || $(df -Pk "$work" | awk 'NR == 2 { print $4 }') >= 12 * 1024 * 1024)) ||
    die "--full-set needs 12 GB free in ${TMPDIR:-/tmp} (set TMPDIR elsewhere)"
  scenario full "--html, whole shipped list${full_entries:+ (first $full_entries)}" \
    "writefloor, same files and bytes" wall ratio 3 - -
  nowarm=1  # round 1 starts with the second function: the page set, which sizes writefloor's
  rotate "${runs:-1}" f_floor f_html
  printf 'note\tfull\t%s files, %s bytes, VERIGLYPH_JOBS=%s, tmpfs %s\n' "$files" "$bytes" \
    "${VERIGLYPH_JOBS:-unset}" "$tmpfs" >>"$raw"
fi

echo "== Contention at end: $(contention)"
cp "$raw" "$build/bench-last.tsv" && echo && python3 "$here/stats.py" "$raw"

if ((micro)) && ! cmake --build "$build" --target veriglyph_bench -j2 >/dev/null 2>&1; then
  note "no micro-benchmarks: Google Benchmark was not found (Debian: libbenchmark-dev)"
elif ((micro)); then  # Debian's library says it was built for debugging: not what is measured
  "$build/bench/veriglyph_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>&1 | grep -v 'Library was built as DEBUG'
fi
((failures == 0)) || { echo "run.sh: $failures run(s) failed or wrote to stderr (see above)" >&2; exit 1; }
