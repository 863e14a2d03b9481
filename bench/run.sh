#!/usr/bin/env bash
# End-to-end timings of veriglyph: builds a Release binary into its own build
# folder, runs each scenario several times in a throw-away working folder and
# prints median / min / max wall time, CPU time and peak memory per scenario.
# On the 12dicts list it runs veriglyph side by side with the floor yardstick
# (../shared/perf/floor.cpp), alternating the two, and checks ratios of medians.
#
# Usage: bench/run.sh [--runs N] [--html-runs N] [--html-entries N] [--no-html]
#                     [--full-set] [--full-entries N] [--no-build] [--profile]
#                     [--micro] [--help]
#   --runs N          timed runs per quick scenario (default 7)
#   --html-runs N     timed runs of the --html page set (default 3)
#   --html-entries N  word-list entries for the --html page set (default 8000)
#   --no-html         skip the --html page set
#   --full-set        also time one --html run over the whole shipped list
#                     (about 8.7 GB of pages; needs 20 GB free, removed after)
#   --full-entries N  with --full-set: only the first N entries of the shipped
#                     list (a trial run; its targets are not checked)
#   --no-build        use the binaries already in the build folder
#   --profile         also profile: callgrind on --match and --find (needs
#                     valgrind), perf on the --html page set (needs perf)
#   --micro           also build and run the Google Benchmark micro-benchmarks
# Environment: VERIGLYPH_BENCH_BUILD (build folder, default <repo>/build-bench),
#   VERIGLYPH_BENCH_12DICTS (second word list, default
#   <repo>/../shared/wordlists/12dicts-5d+2a.txt; skipped when absent),
#   VERIGLYPH_BENCH_FLOOR (the yardstick's source, default
#   <repo>/../shared/perf/floor.cpp; its scenarios are skipped when absent),
#   VERIGLYPH_BENCH_TIMER (measure, gnu-time, python3 or none: what times the
#   runs and reads peak RSS; default the bench's own runner veriglyph_measure,
#   else GNU time, else python3), VERIGLYPH_JOBS (passed on to
#   veriglyph: its thread count for --html; unset means one per CPU),
#   TMPDIR (scratch folders).
set -euo pipefail

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$script_dir/.." && pwd)
build_dir=${VERIGLYPH_BENCH_BUILD:-$repo/build-bench}
profile_build_dir=${build_dir}-profile
word_list_rel=spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
shipped_list=$repo/$word_list_rel
twelve_dicts=${VERIGLYPH_BENCH_12DICTS:-$repo/../shared/wordlists/12dicts-5d+2a.txt}
floor_src=${VERIGLYPH_BENCH_FLOOR:-$repo/../shared/perf/floor.cpp}
tmp_base=${TMPDIR:-/tmp}

runs=7
html_runs=3
html_entries=8000
do_html=1
do_full=0
full_entries=
do_build=1
do_profile=0
do_micro=0

# Targets. Absolute ones in milliseconds, checked against the median wall time.
target_find_ms=60
target_match_ms=80
target_html_ms=5000
# Ratios of veriglyph's median to the yardstick's median, in paired runs.
ratio_match=2   # --match "Hello World" / floor match "Hello World"
ratio_find=2    # --find 52ord / floor load
ratio_pages=3   # veriglyph_pages LIST 8000 / floor pages LIST 8000
ratio_table=6   # --table LIST / floor load
ratio_html=1.5  # --html over 8,000 entries / (floor pages 8000 + cp -r of the pages)
target_match_rss_kb=$((10 * 1024))
# The whole shipped list's page set.
full_list_entries=74182
target_full_ms=60000
target_full_rss_kb=$((64 * 1024))
full_disk_bytes=20000000000  # free space asked for the whole list, scaled for fewer entries

usage() {
  awk 'NR == 1 { next } !/^#/ { exit } { sub(/^# ?/, ""); print }' "${BASH_SOURCE[0]}"
}

while (($#)); do
  case $1 in
    --runs) runs=${2:-}; shift 2 || shift ;;
    --html-runs) html_runs=${2:-}; shift 2 || shift ;;
    --html-entries) html_entries=${2:-}; shift 2 || shift ;;
    --no-html) do_html=0; shift ;;
    --full-set) do_full=1; shift ;;
    --full-entries) full_entries=${2:-}; shift 2 || shift ;;
    --no-build) do_build=0; shift ;;
    --profile) do_profile=1; shift ;;
    --micro) do_micro=1; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "unknown option: $1" >&2; usage >&2; exit 2 ;;
  esac
done

for n in "$runs" "$html_runs" "$html_entries" ${full_entries:+"$full_entries"}; do
  [[ $n =~ ^[1-9][0-9]*$ ]] || { echo "counts must be positive integers, got '$n'" >&2; exit 2; }
done
if [[ -n $full_entries ]] && ((!do_full)); then
  echo "--full-entries only goes with --full-set" >&2
  exit 2
fi

# veriglyph and the bench tools come from one build; the bench option adds
# the latter (and the micro-benchmarks when Google Benchmark is installed).
if ((do_build)); then
  echo "== Building Release into $build_dir"
  cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVERIGLYPH_TESTS=OFF \
    -DVERIGLYPH_BENCH=ON >/dev/null
  cmake --build "$build_dir" --target veriglyph veriglyph_pages veriglyph_measure \
    -j"$(nproc)" >/dev/null
fi
binary=$build_dir/veriglyph
pages_binary=$build_dir/bench/veriglyph_pages
measure_binary=$build_dir/bench/veriglyph_measure
[[ -x $binary ]] || { echo "no binary at $binary (drop --no-build?)" >&2; exit 1; }

# The yardstick, built as its header says (and rebuilt when its source is
# newer than the build).
floor_bin=
if [[ -f $floor_src ]]; then
  floor_bin=$build_dir/floor
  if [[ ! -x $floor_bin || $floor_src -nt $floor_bin ]]; then
    cxx=g++
    command -v g++ >/dev/null || cxx="c++"
    echo "== Building the yardstick $(realpath "$floor_src") into $floor_bin"
    mkdir -p "$build_dir"
    "$cxx" -O3 -march=native -std=c++17 -o "$floor_bin" "$floor_src"
  fi
fi

# Times and peak RSS come from veriglyph_measure (fork, wait4, a monotonic
# clock; nothing but the program's own start is timed). Without it: the
# shell's time keyword with GNU time for the peak RSS (installed here when it
# is missing and we may), whose own start, about as long as a small
# program's, is then part of every wall time; or wait4() in a python3 runner,
# which cannot report less than python's own ~10-14 MiB, since the child
# inherits its high-water mark.
rss_tool=${VERIGLYPH_BENCH_TIMER:-}
if [[ -z $rss_tool && -x $measure_binary ]]; then rss_tool=measure; fi
if [[ -z $rss_tool ]]; then
  rss_tool=none
  if [[ ! -x /usr/bin/time && $EUID -eq 0 ]] && command -v apt-get >/dev/null; then
    echo "== Installing GNU time (package time) for the peak-RSS figures"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time >/dev/null 2>&1 ||
      echo "   (could not install it; falling back)"
  fi
  if [[ -x /usr/bin/time ]] && /usr/bin/time -f %M -o /dev/null true 2>/dev/null; then
    rss_tool=gnu-time
  elif command -v python3 >/dev/null; then
    rss_tool=python3
  fi
fi
case $rss_tool in
  measure) [[ -x $measure_binary ]] || { echo "no $measure_binary (drop --no-build?)" >&2; exit 1; } ;;
  gnu-time | python3 | none) ;;
  *) echo "VERIGLYPH_BENCH_TIMER must be measure, gnu-time, python3 or none" >&2; exit 2 ;;
esac
# Whether the peak RSS figures can be held against a target.
rss_exact=0
case $rss_tool in measure | gnu-time) rss_exact=1 ;; esac

# The whole list's page set is about 8.7 GB: refuse it up front when the
# scratch file system has too little room. The pages grow with the square of
# the entries, so a cut-down list asks for less (but at least 1 GB).
if ((do_full)); then
  full_count=$(head -n "${full_entries:-$full_list_entries}" "$shipped_list" | grep -c . || true)
  need=$(awk -v e="$full_count" -v full="$full_list_entries" -v b="$full_disk_bytes" \
    'BEGIN { n = b * (e / full) ^ 2; if (n < 1e9) n = 1e9; printf "%.0f", n }')
  avail=$(df -Pk "$tmp_base" | awk 'NR == 2 { printf "%.0f", $4 * 1024 }')
  if ((avail < need)); then
    echo "REFUSED: --full-set over $full_count entries needs $((need / 1000000000)) GB free in" \
      "$tmp_base, which has $((avail / 1000000000)) GB (set TMPDIR to a roomier file system)" >&2
    exit 1
  fi
fi

scratch_dirs=()
cleanup() {
  local d
  for d in "${scratch_dirs[@]+"${scratch_dirs[@]}"}"; do rm -rf -- "$d"; done
}
trap cleanup EXIT

# new_dir: sets scratch to a fresh empty folder, removed at exit.
new_dir() {
  scratch=$(mktemp -d "$tmp_base/veriglyph-bench.XXXXXX")
  scratch_dirs+=("$scratch")
}

# make_scratch LIST [ENTRIES]: sets scratch to a fresh working folder with the
# tree the program expects: the word list linked into it (or, with ENTRIES, its
# first ENTRIES lines copied) and one letter folder per first character of it.
make_scratch() {
  local list=$1 entries=${2:-} dir c
  new_dir
  dir=$scratch
  mkdir -p "$dir/spellbook/Results" "$dir/spellbook/ResultsHTML" "$dir/$(dirname "$word_list_rel")"
  if [[ -n $entries ]]; then
    head -n "$entries" "$list" >"$dir/$word_list_rel"
  else
    ln -s "$(realpath "$list")" "$dir/$word_list_rel"
  fi
  while IFS= read -r c; do
    case $c in '' | / | . | $'\r') continue ;; esac
    mkdir -p "$dir/spellbook/ResultsHTML/$c"
  done < <(LC_ALL=C cut -b1 "$dir/$word_list_rel" | LC_ALL=C sort -u)
}

# reset_scratch DIR: removes everything a run writes, so that every run takes
# the same path (no existing report, no archived spell, no earlier pages).
reset_scratch() {
  local dir=$1
  find "$dir/spellbook/Results" "$dir/spellbook/ResultsHTML" -mindepth 1 -type f -delete
  rm -f "$dir/spellbook/user_entries.txt"
}

# time_once DIR COMMAND...: runs COMMAND once in DIR, standard input from
# /dev/null, standard output to $run_stdout, standard error to DIR/.stderr
# (warned about when not empty); sets run_ms (wall), run_user_ms, run_sys_ms,
# run_cpu_ms (user + sys), run_rss_kb and run_status.
run_stdout=/dev/null
time_once() {
  local dir=$1
  shift
  local err=$dir/.stderr rss_file=$dir/.rss timing=$dir/.timing real user sys
  run_status=0
  # Runs write below their working folder: never the repository's own tree.
  case $(realpath "$dir")/ in
    "$repo"/*) echo "refusing to run in $dir, inside the repository" >&2; exit 1 ;;
  esac
  if [[ $rss_tool == measure ]]; then
    (cd "$dir" && exec "$measure_binary" "$timing" "$@" </dev/null >"$run_stdout" 2>"$err") ||
      { echo "veriglyph_measure failed: $(cat "$err")" >&2; exit 1; }
    read -r run_ms run_user_ms run_sys_ms run_rss_kb run_status <"$timing"
    # the shell's own figures are to the millisecond; so are these
    run_ms=$(awk -v v="$run_ms" 'BEGIN { printf "%.1f", v }')
    run_user_ms=$(awk -v v="$run_user_ms" 'BEGIN { printf "%.1f", v }')
    run_sys_ms=$(awk -v v="$run_sys_ms" 'BEGIN { printf "%.1f", v }')
  elif [[ $rss_tool == python3 ]]; then
    local runner out
    runner='
import os, subprocess, sys, time
t0 = time.perf_counter()
with open(sys.argv[1], "wb") as out:
    p = subprocess.Popen(sys.argv[2:], stdin=subprocess.DEVNULL, stdout=out)
    _, status, ru = os.wait4(p.pid, 0)
t1 = time.perf_counter()
print("%.1f %.1f %.1f %d %d" % ((t1 - t0) * 1e3, ru.ru_utime * 1e3, ru.ru_stime * 1e3,
                                ru.ru_maxrss, os.waitstatus_to_exitcode(status)))
'
    out=$(cd "$dir" && python3 -c "$runner" "$run_stdout" "$@" 2>"$err")
    read -r run_ms run_user_ms run_sys_ms run_rss_kb run_status <<<"$out"
  else
    # The shell's time keyword gives wall and CPU time to the millisecond; GNU
    # time only adds the peak RSS (its own start-up, well under a millisecond,
    # is part of the wall time).
    local TIMEFORMAT='%3R %3U %3S'
    local -a wrap=()
    if [[ $rss_tool == gnu-time ]]; then wrap=(/usr/bin/time -f %M -o "$rss_file"); fi
    cd "$dir"
    { time "${wrap[@]+"${wrap[@]}"}" "$@" </dev/null >"$run_stdout" 2>"$err"; } 2>"$timing" ||
      run_status=$?
    cd "$OLDPWD"
    read -r real user sys <"$timing"
    run_ms=$(awk -v r="$real" 'BEGIN { printf "%.1f", r * 1e3 }')
    run_user_ms=$(awk -v u="$user" 'BEGIN { printf "%.1f", u * 1e3 }')
    run_sys_ms=$(awk -v s="$sys" 'BEGIN { printf "%.1f", s * 1e3 }')
    if [[ $rss_tool == gnu-time ]]; then
      run_rss_kb=$(tail -n 1 "$rss_file")
    else
      run_rss_kb=0
    fi
  fi
  run_cpu_ms=$(awk -v u="$run_user_ms" -v s="$run_sys_ms" 'BEGIN { printf "%.1f", u + s }')
  if [[ -s $err ]]; then
    echo "  WARNING: $(basename "$1") wrote to stderr: $(head -c 200 "$err")" >&2
  fi
}

failures=0
misses=0
summary=()

# median VALUES...: the median of numbers.
median() {
  printf '%s\n' "$@" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# report NAME RUNS VERDICT WALLS... :: CPUS... :: PEAK_KB: prints one scenario
# line and adds it to the summary; sets rep_med (median wall ms).
report() {
  local name=$1 n=$2 verdict=$3
  shift 3
  local -a walls=() cpus=()
  while [[ $1 != :: ]]; do walls+=("$1"); shift; done
  shift
  while [[ $1 != :: ]]; do cpus+=("$1"); shift; done
  local peak=$2 min max cpu rss_mib
  rep_med=$(median "${walls[@]}")
  min=$(printf '%s\n' "${walls[@]}" | sort -g | head -n 1)
  max=$(printf '%s\n' "${walls[@]}" | sort -g | tail -n 1)
  cpu=$(median "${cpus[@]}")
  rss_mib=$(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }')
  printf '  %-40s runs %2d  median %8s  min %8s  max %8s  cpu %8s ms  RSS %5s MiB  %s\n' \
    "$name" "$n" "$rep_med" "$min" "$max" "$cpu" "$rss_mib" "$verdict"
  summary+=("| $name | $n | $rep_med | $min | $max | $cpu | $rss_mib | ${verdict:--} |")
}

# below VALUE LIMIT: whether VALUE < LIMIT (or <= with a third argument "le").
below() {
  awk -v v="$1" -v l="$2" -v le="${3:-}" 'BEGIN { exit !(le == "le" ? v <= l : v < l) }'
}

# verdict_ms MEDIAN TARGET: sets verdict for an absolute target in ms ("-": none).
verdict_ms() {
  verdict=""
  [[ $2 == - ]] && return 0
  if below "$1" "$2"; then
    verdict="< $2 ms: met"
  else
    verdict="< $2 ms: MISSED"
    misses=$((misses + 1))
  fi
}

# checked NAME RUN STATUS DIR CHECK: counts a failure when the run's status is
# not 0 or the file glob CHECK (relative to DIR, "-" for none) matches nothing.
checked() {
  local name=$1 run=$2 status=$3 dir=$4 check=$5
  if ((status != 0)); then
    echo "  $name: run $run exited with status $status" >&2
    failures=$((failures + 1))
  fi
  if [[ $check != - ]] && ! compgen -G "$dir/$check" >/dev/null; then
    echo "  $name: run $run did not write $check" >&2
    failures=$((failures + 1))
  fi
}

# scenario NAME TARGET RUNS DIR CHECK ARGS...: one untimed warm-up run (page
# cache, binary), then RUNS timed runs of veriglyph ARGS, each in a reset
# folder. TARGET is a number of milliseconds or "-". CHECK is a file glob
# (relative to DIR) that must exist after every run, or "-".
scenario() {
  local name=$1 target=$2 n=$3 dir=$4 check=$5
  shift 5
  local walls=() cpus=() peak=0 i
  reset_scratch "$dir"
  time_once "$dir" "$binary" "$@"
  for ((i = 0; i < n; i++)); do
    reset_scratch "$dir"
    time_once "$dir" "$binary" "$@"
    checked "$name" $((i + 1)) "$run_status" "$dir" "$check"
    walls+=("$run_ms")
    cpus+=("$run_cpu_ms")
    if ((run_rss_kb > peak)); then peak=$run_rss_kb; fi
  done
  # The verdict needs the median; report computes it again, cheaply.
  verdict_ms "$(median "${walls[@]}")" "$target"
  report "$name" "$n" "$verdict" "${walls[@]}" :: "${cpus[@]}" :: "$peak"
}

# paired NAME YARD_NAME RATIO RUNS DIR CHECK YARD_COMMAND... :: COMMAND...:
# paired runs of the yardstick and of veriglyph's COMMAND in DIR (reset before
# each of veriglyph's runs), alternating which goes first, after one untimed
# warm-up of each whose standard output is kept in DIR/.out-yard and
# DIR/.out. Checks the ratio of the medians against RATIO; sets pair_peak_kb
# (veriglyph's highest peak RSS).
paired() {
  local name=$1 yname=$2 ratio=$3 n=$4 dir=$5 check=$6
  shift 6
  local -a yard=() subject=() order=()
  while [[ $1 != :: ]]; do yard+=("$1"); shift; done
  shift
  subject=("$@")
  local walls=() cpus=() ywalls=() ycpus=() peak=0 ypeak=0 i who
  run_stdout=$dir/.out-yard
  time_once "$dir" "${yard[@]}"
  checked "$yname" warm-up "$run_status" "$dir" -
  reset_scratch "$dir"
  run_stdout=$dir/.out
  time_once "$dir" "${subject[@]}"
  checked "$name" warm-up "$run_status" "$dir" "$check"
  run_stdout=/dev/null
  for ((i = 0; i < n; i++)); do
    if ((i % 2)); then order=(subject yard); else order=(yard subject); fi
    for who in "${order[@]}"; do
      if [[ $who == yard ]]; then
        time_once "$dir" "${yard[@]}"
        checked "$yname" $((i + 1)) "$run_status" "$dir" -
        ywalls+=("$run_ms")
        ycpus+=("$run_cpu_ms")
        if ((run_rss_kb > ypeak)); then ypeak=$run_rss_kb; fi
      else
        reset_scratch "$dir"
        time_once "$dir" "${subject[@]}"
        checked "$name" $((i + 1)) "$run_status" "$dir" "$check"
        walls+=("$run_ms")
        cpus+=("$run_cpu_ms")
        if ((run_rss_kb > peak)); then peak=$run_rss_kb; fi
      fi
    done
  done
  local med ymed r
  med=$(median "${walls[@]}")
  ymed=$(median "${ywalls[@]}")
  r=$(awk -v a="$med" -v b="$ymed" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
  if below "$r" "$ratio" le; then
    verdict="${r}x $yname (<= ${ratio}x): met"
  else
    verdict="${r}x $yname (<= ${ratio}x): MISSED"
    misses=$((misses + 1))
  fi
  report "$yname" "$n" "" "${ywalls[@]}" :: "${ycpus[@]}" :: "$ypeak"
  report "$name" "$n" "$verdict" "${walls[@]}" :: "${cpus[@]}" :: "$peak"
  pair_peak_kb=$peak
}

entries_of() { grep -c . "$1" || true; }
distinct_entries() { tr -d '\r' <"$1" | grep . | LC_ALL=C sort -u | wc -l; }
page_count() { find "$1/spellbook/ResultsHTML" -type f -name 'match_*.htm' | wc -l; }

echo "== Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
  "$(c++ --version | head -n 1)"
# contention: load average and, where the kernel has it, the share of time in
# the last 10 s that runnable tasks waited for a CPU or for I/O. Wall times
# taken while others keep the CPUs busy are longer than the CPU times.
contention() {
  local line kind
  line="load $(cut -d' ' -f1-3 /proc/loadavg)"
  for kind in cpu io; do
    if [[ -r /proc/pressure/$kind ]]; then
      line+=", $kind pressure $(awk '/^some/ { sub("avg10=", "", $2); print $2 "%" }' "/proc/pressure/$kind")"
    fi
  done
  echo "$line"
}

echo "== Contention at start: $(contention)"
echo "== Wall and CPU (user + sys) times in ms, peak RSS via $rss_tool;" \
  "$runs runs ($html_runs for --html), each scenario after one untimed warm-up;" \
  "VERIGLYPH_JOBS=${VERIGLYPH_JOBS:-(unset: one thread per CPU)}"
echo "== Targets (median wall): --find on a ~70,000-entry list < ${target_find_ms} ms;" \
  "--match < ${target_match_ms} ms; on the 12dicts list, paired with the yardstick:" \
  "--match <= ${ratio_match}x floor match, --find <= ${ratio_find}x floor load," \
  "pages <= ${ratio_pages}x floor pages, --table <= ${ratio_table}x floor load," \
  "--match peak RSS <= $((target_match_rss_kb / 1024)) MiB;" \
  "${html_entries}-page --html set <= ${ratio_html}x (floor pages + cp -r) and < $((target_html_ms / 1000)) s"
echo

have_12dicts=0
if [[ -f $twelve_dicts ]]; then
  have_12dicts=1
else
  echo "NOTE: $twelve_dicts is absent; the 12dicts scenarios and the yardsticks on it are skipped."
fi
if [[ -z $floor_bin ]]; then
  echo "NOTE: $floor_src is absent; the side-by-side yardstick runs are skipped."
fi

make_scratch "$shipped_list"
dir=$scratch
echo "-- start-up floor (one-word analysis, no word list loaded)"
scenario "veriglyph Hello" - "$runs" "$dir" - Hello

echo "-- shipped list: $(realpath "$shipped_list") ($(entries_of "$shipped_list") entries)"
scenario "--find 52ord (shipped)" "$target_find_ms" "$runs" "$dir" \
  'spellbook/Results/output_*.txt' --find 52ord
scenario "--match \"Hello World\" (shipped)" "$target_match_ms" "$runs" "$dir" \
  'spellbook/Results/match_Hello World.txt' --match "Hello World"

# table_mode DIR: whether this build has --table (TSV on stdout, a header
# row starting "spell", status 0). The mode is newer than the benchmarks.
table_mode() {
  local dir=$1 head
  printf 'Hello\n' >"$dir/.table-probe"
  head=$(cd "$dir" && "$binary" --table .table-probe </dev/null 2>/dev/null | head -n 1) || head=
  rm -f "$dir/.table-probe"
  reset_scratch "$dir"
  [[ $head == spell$'\t'ord$'\t'* ]]
}

if ((have_12dicts)); then
  entries12=$(entries_of "$twelve_dicts")
  make_scratch "$twelve_dicts"
  dir=$scratch
  echo "-- 12dicts list: $(realpath "$twelve_dicts") ($entries12 entries)"
  if [[ -n $floor_bin ]]; then
    paired "--find 52ord (12dicts)" "floor load" "$ratio_find" "$runs" "$dir" \
      'spellbook/Results/output_*.txt' "$floor_bin" load "$twelve_dicts" :: "$binary" --find 52ord
    verdict_ms "$rep_med" "$target_find_ms"
    echo "    and against the absolute target: ${verdict:-}"

    paired "--match \"Hello World\" (12dicts)" "floor match" "$ratio_match" "$runs" "$dir" \
      'spellbook/Results/match_Hello World.txt' \
      "$floor_bin" match "$twelve_dicts" "Hello World" :: "$binary" --match "Hello World"
    verdict_ms "$rep_med" "$target_match_ms"
    echo "    and against the absolute target: ${verdict:-}"
    if ((rss_exact)); then
      if ((pair_peak_kb <= target_match_rss_kb)); then
        verdict="met"
      else
        verdict="MISSED"
        misses=$((misses + 1))
      fi
      rss_line="--match peak RSS $(awk -v k="$pair_peak_kb" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
      rss_line+=" (<= $((target_match_rss_kb / 1024)) MiB): $verdict"
      echo "    $rss_line"
      summary+=("| $rss_line | | | | | | | |")
    else
      echo "    --match peak RSS not checked: it needs veriglyph_measure or GNU time (RSS via $rss_tool)"
    fi

    # The scoring core of the page set: all pairs of the first 8,000 entries.
    if [[ -x $pages_binary ]]; then
      paired "veriglyph_pages 8000 (12dicts)" "floor pages 8000" "$ratio_pages" "$runs" "$dir" - \
        "$floor_bin" pages "$twelve_dicts" 8000 :: "$pages_binary" "$twelve_dicts" 8000
      # Both print "N pages over a N-entry list: L listed entries, ...".
      floor_line=$(head -n 1 "$dir/.out-yard")
      pages_line=$(head -n 1 "$dir/.out")
      echo "    floor:           $floor_line"
      echo "    veriglyph_pages: $pages_line"
      if [[ $floor_line == "$pages_line" ]]; then
        echo "    counts agree"
      else
        echo "  WARNING: the listed counts of floor pages and veriglyph_pages disagree" >&2
        failures=$((failures + 1))
      fi
    else
      echo "NOTE: no $pages_binary; the pages scenario is skipped (drop --no-build?)"
    fi

    if table_mode "$dir"; then
      paired "--table (12dicts)" "floor load" "$ratio_table" "$runs" "$dir" - \
        "$floor_bin" load "$twelve_dicts" :: "$binary" --table "$twelve_dicts"
      rows=$(wc -l <"$dir/.out")
      if ((rows != entries12 + 1)); then
        echo "  WARNING: --table printed $rows rows, expected a header and $entries12 entries" >&2
        failures=$((failures + 1))
      fi
    else
      echo "NOTE: this veriglyph has no --table mode yet; its scenario is skipped."
    fi
  else
    scenario "--find 52ord (12dicts)" "$target_find_ms" "$runs" "$dir" \
      'spellbook/Results/output_*.txt' --find 52ord
    scenario "--match \"Hello World\" (12dicts)" "$target_match_ms" "$runs" "$dir" \
      'spellbook/Results/match_Hello World.txt' --match "Hello World"
  fi
fi

# The page set over the first ENTRIES entries of a list. Every run writes into
# a fresh tree (reusing the inodes of just-deleted pages costs the kernel
# extra), then its page tree is copied with cp -r into a fresh folder (the
# copy is a yardstick: about the least it takes to write those files), and
# the floor's pages runs, in alternating order. Trees stay until the end of
# the scenario. Dirty pages are written back (sync) before each timed write.
html_set() {
  local list=$1 label=$2 entries=$3 n=$4
  local tree copy i distinct pages count walls=() cpus=() peak=0 cwalls=() ccpus=() cpeak=0
  local fwalls=() fcpus=() fpeak=0 trees=() name fdir
  new_dir
  fdir=$scratch  # the floor's working folder
  count=$(head -n "$entries" "$list" | grep -c . || true)
  distinct=$(head -n "$entries" "$list" | tr -d '\r' | grep . | LC_ALL=C sort -u | wc -l)
  name="--html ($count entries, $label)"
  echo "-- --html alone over the first $count entries of the $label list, fresh tree per run"
  for ((i = 0; i <= n; i++)); do  # run 0 is the warm-up
    if [[ -n $floor_bin ]] && ((i % 2)); then
      time_once "$fdir" "$floor_bin" pages "$list" "$entries"
      checked "floor pages" "$i" "$run_status" "$fdir" -
      if ((i > 0)); then fwalls+=("$run_ms"); fcpus+=("$run_cpu_ms"); fi
      if ((i > 0 && run_rss_kb > fpeak)); then fpeak=$run_rss_kb; fi
    fi
    make_scratch "$list" "$entries"
    tree=$scratch
    trees+=("$tree")
    sync -f "$tree"
    time_once "$tree" "$binary" --html
    checked "$name" "$i" "$run_status" "$tree" -
    pages=$(page_count "$tree")
    if ((pages != distinct)); then
      echo "  WARNING: run $i wrote $pages pages, expected one per distinct entry ($distinct)" >&2
      failures=$((failures + 1))
    fi
    if ((i > 0)); then walls+=("$run_ms"); cpus+=("$run_cpu_ms"); fi
    if ((i > 0 && run_rss_kb > peak)); then peak=$run_rss_kb; fi

    new_dir
    copy=$scratch
    trees+=("$copy")
    sync -f "$copy"
    time_once "$copy" cp -r "$tree/spellbook/ResultsHTML" "$copy/ResultsHTML"
    checked "cp -r of the pages" "$i" "$run_status" "$copy" -
    if ((i > 0)); then cwalls+=("$run_ms"); ccpus+=("$run_cpu_ms"); fi
    if ((i > 0 && run_rss_kb > cpeak)); then cpeak=$run_rss_kb; fi

    if [[ -n $floor_bin ]] && ! ((i % 2)); then
      time_once "$fdir" "$floor_bin" pages "$list" "$entries"
      checked "floor pages" "$i" "$run_status" "$fdir" -
      if ((i > 0)); then fwalls+=("$run_ms"); fcpus+=("$run_cpu_ms"); fi
      if ((i > 0 && run_rss_kb > fpeak)); then fpeak=$run_rss_kb; fi
    fi
  done
  rm -rf -- "${trees[@]}"
  echo "  pages written per run: $pages (distinct entries: $distinct)"

  local med cmed fmed limit
  med=$(median "${walls[@]}")
  cmed=$(median "${cwalls[@]}")
  if [[ -n $floor_bin ]]; then
    report "floor pages $entries ($label)" "$n" "" "${fwalls[@]}" :: "${fcpus[@]}" :: "$fpeak"
    fmed=$rep_med
  fi
  report "cp -r of the page tree" "$n" "" "${cwalls[@]}" :: "${ccpus[@]}" :: "$cpeak"
  verdict=
  if [[ -n $floor_bin ]]; then
    limit=$(awk -v f="$fmed" -v c="$cmed" -v r="$ratio_html" 'BEGIN { printf "%.1f", r * (f + c) }')
    if below "$med" "$limit" le; then
      verdict="<= ${ratio_html}x (floor + cp) = $limit ms: met"
    else
      verdict="<= ${ratio_html}x (floor + cp) = $limit ms: MISSED"
      misses=$((misses + 1))
    fi
  fi
  report "$name" "$n" "$verdict" "${walls[@]}" :: "${cpus[@]}" :: "$peak"
  if ((entries == 8000)); then
    verdict_ms "$med" "$target_html_ms"
    echo "    and against the absolute target: $verdict"
  fi
}

if ((do_html)); then
  if ((have_12dicts)); then
    html_set "$twelve_dicts" 12dicts "$html_entries" "$html_runs"
  else
    echo "NOTE: --html runs over the first $html_entries entries of the shipped list instead."
    html_set "$shipped_list" shipped "$html_entries" "$html_runs"
  fi
fi

# One --html run over the whole shipped list (or its first ENTRIES entries):
# wall, user and system time and peak RSS. No warm-up: it takes minutes.
full_set() {
  local entries=$1 count tree name
  count=$(head -n "$entries" "$shipped_list" | grep -c . || true)
  echo "-- --html over $count entries of the shipped list (one run)"
  make_scratch "$shipped_list" "$entries"
  tree=$scratch
  name="--html ($count entries, shipped)"
  sync -f "$tree"
  time_once "$tree" "$binary" --html
  checked "$name" 1 "$run_status" "$tree" -
  local pages distinct files gb
  pages=$(page_count "$tree")
  distinct=$(distinct_entries "$tree/$word_list_rel")
  files=$(find "$tree/spellbook" -type f -newer "$tree/$word_list_rel" | wc -l)
  gb=$(du -sk "$tree/spellbook" | awk '{ printf "%.2f", $1 * 1024 / 1e9 }')
  rm -rf -- "$tree"
  echo "  pages: $pages (distinct entries: $distinct), files written: $files, $gb GB"
  if ((pages != distinct)); then
    echo "  WARNING: expected one page per distinct entry" >&2
    failures=$((failures + 1))
  fi
  printf '  wall %s ms, user %s ms, sys %s ms, peak RSS %s MiB, VERIGLYPH_JOBS=%s\n' \
    "$run_ms" "$run_user_ms" "$run_sys_ms" \
    "$(awk -v k="$run_rss_kb" 'BEGIN { printf "%.1f", k / 1024 }')" "${VERIGLYPH_JOBS:-unset}"
  verdict=
  if ((count == full_list_entries)); then
    local ok=1
    below "$run_ms" "$target_full_ms" || ok=0
    if ((rss_exact && run_rss_kb >= target_full_rss_kb)); then ok=0; fi
    verdict="< $((target_full_ms / 1000)) s"
    if ((rss_exact)); then verdict+=", < $((target_full_rss_kb / 1024)) MiB"; fi
    if ((ok)); then verdict+=": met"; else verdict+=": MISSED"; misses=$((misses + 1)); fi
    echo "  $verdict"
  fi
  report "$name" 1 "$verdict" "$run_ms" :: "$run_cpu_ms" :: "$run_rss_kb"
}

if ((do_full)); then
  full_set "${full_entries:-$full_list_entries}"
fi
echo "== Contention at end: $(contention)"

echo
echo "| Scenario | Runs | Median ms | Min ms | Max ms | CPU ms (median) | Peak RSS MiB | Target |"
echo "|---|---|---|---|---|---|---|---|"
printf '%s\n' "${summary[@]}"

if ((do_profile)); then
  echo
  if ! command -v valgrind >/dev/null || ! command -v callgrind_annotate >/dev/null; then
    echo "== Profile skipped: valgrind is not installed"
  else
    # Same optimisation as the timed build, plus debug info for the names.
    echo "== Profile: callgrind, Release with -g in $profile_build_dir"
    cmake -S "$repo" -B "$profile_build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g \
      -DVERIGLYPH_TESTS=OFF >/dev/null
    cmake --build "$profile_build_dir" --target veriglyph -j"$(nproc)" >/dev/null
    prof_list=$twelve_dicts
    [[ -f $prof_list ]] || prof_list=$shipped_list
    make_scratch "$prof_list"
    prof_dir=$scratch
    profile() {
      local title=$1 out=$prof_dir/callgrind.out
      shift
      reset_scratch "$prof_dir"
      (cd "$prof_dir" && valgrind --tool=callgrind --callgrind-out-file="$out" \
        "$profile_build_dir/veriglyph" "$@" </dev/null >/dev/null 2>"$prof_dir/.valgrind")
      echo "-- $title: top functions by inclusive instructions (Ir)"
      # Rows are file:function pairs, so code inlined from a header shows as a
      # row of its own under the function it was inlined into.
      local rows
      # Run from the scratch folder: callgrind_annotate shortens the paths
      # below its working folder, which splits rows when that is the repo.
      rows=$(cd "$prof_dir" && callgrind_annotate --inclusive=yes --auto=no "$out" 2>/dev/null |
        grep -E '^ *[0-9,]+ +\( *[0-9.]+%\) ' |
        grep -vE 'PROGRAM TOTALS|below main|libc-start|ld-linux|_dl_' |
        sed -E -e 's/ \[[^]]*\]$//' -e 's#^( *[0-9,]+ +\( *[0-9.]+%\) +)[^ :]*/#\1#' \
          -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g' \
          -e 's/, std::allocator<[^<>]*> >/>/g') || true
      head -n 16 <<<"$rows"
      echo
    }
    profile "--match \"Hello World\" over $(basename "$prof_list")" --match "Hello World"
    profile "--find 52ord over $(basename "$prof_list")" --find 52ord
  fi
  # The page set is too slow for callgrind; sample it with perf where the
  # kernel lets us (a software clock event, so it works in VMs as well).
  if command -v perf >/dev/null &&
    perf record -q -e cpu-clock -o /dev/null true >/dev/null 2>&1; then
    html_list=$twelve_dicts
    [[ -f $html_list ]] || html_list=$shipped_list
    make_scratch "$html_list" "$html_entries"
    html_dir=$scratch
    (cd "$html_dir" && perf record -q -e cpu-clock -F 2000 -o "$html_dir/perf.data" \
      "$binary" --html </dev/null >/dev/null 2>"$html_dir/.perf")
    echo "-- --html over $html_entries entries (fresh tree): share of CPU samples by binary," \
      "then top symbols (self)"
    rows=$(perf report -i "$html_dir/perf.data" --no-children --sort dso --stdio 2>/dev/null |
      grep -E '^ +[0-9.]+%' | awk '{ printf "  %s %s\n", $1, $2 }') || true
    head -n 5 <<<"$rows"
    rows=$(perf report -i "$html_dir/perf.data" --no-children --sort dso,symbol --stdio 2>/dev/null |
      grep -E '^ +[0-9.]+%' | sed -E -e 's/( +-)* *$//' -e 's/  +/ /g' \
        -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g') ||
      true
    head -n 16 <<<"$rows"
    rm -rf -- "$html_dir"
  else
    echo "== perf is not available here; the --html profile is skipped"
  fi
fi

if ((do_micro)); then
  echo
  echo "== Micro-benchmarks (Google Benchmark) in $build_dir"
  targets=$(cmake --build "$build_dir" --target help)
  if grep -q 'veriglyph_bench' <<<"$targets"; then
    cmake --build "$build_dir" --target veriglyph_bench -j"$(nproc)" >/dev/null
    "$build_dir/bench/veriglyph_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      2>&1 | grep -vE '^\*\*\*WARNING\*\*\* Library was built as DEBUG'
  else
    echo "   skipped: Google Benchmark was not found when $build_dir was configured" \
      "(Debian: libbenchmark-dev)"
  fi
fi

echo
if ((failures)); then
  echo "RESULT: $failures run(s) misbehaved (see the messages above)"
  exit 1
fi
if ((misses)); then
  echo "RESULT: $misses scenario(s) missed their target"
else
  echo "RESULT: every target met"
fi
