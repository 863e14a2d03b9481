#!/usr/bin/env bash
# End-to-end timings of veriglyph: builds a Release binary into its own build
# folder, runs each scenario several times in a throw-away working folder and
# prints median / min / max wall time, CPU time and peak memory per scenario.
#
# Usage: bench/run.sh [--runs N] [--html-runs N] [--html-entries N]
#                     [--no-build] [--profile] [--micro] [--help]
#   --runs N          timed runs per quick scenario (default 7)
#   --html-runs N     timed runs of the --html page set (default 3)
#   --html-entries N  word-list entries for the --html page set (default 8000)
#   --no-build        use the binary already in the build folder
#   --profile         also profile: callgrind on --match and --find (needs
#                     valgrind), perf on the --html page set (needs perf)
#   --micro           also build and run the Google Benchmark micro-benchmarks
# Environment: VERIGLYPH_BENCH_BUILD (build folder, default <repo>/build-bench),
#   VERIGLYPH_BENCH_12DICTS (second word list, default
#   <repo>/../shared/wordlists/12dicts-5d+2a.txt; skipped when absent),
#   VERIGLYPH_BENCH_RSS (gnu-time, python3 or none: how peak RSS is read;
#   default GNU time if installed, else python3), TMPDIR (scratch folders).
set -euo pipefail

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$script_dir/.." && pwd)
build_dir=${VERIGLYPH_BENCH_BUILD:-$repo/build-bench}
profile_build_dir=${build_dir}-profile
micro_build_dir=${build_dir}-micro
word_list_rel=spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
shipped_list=$repo/$word_list_rel
twelve_dicts=${VERIGLYPH_BENCH_12DICTS:-$repo/../shared/wordlists/12dicts-5d+2a.txt}

runs=7
html_runs=3
html_entries=8000
do_build=1
do_profile=0
do_micro=0

# Targets, in milliseconds, checked against the median wall time.
target_find_ms=60
target_match_ms=80
target_html_ms=5000

usage() {
  sed -n '2,19p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
}

while (($#)); do
  case $1 in
    --runs) runs=${2:-}; shift 2 || shift ;;
    --html-runs) html_runs=${2:-}; shift 2 || shift ;;
    --html-entries) html_entries=${2:-}; shift 2 || shift ;;
    --no-build) do_build=0; shift ;;
    --profile) do_profile=1; shift ;;
    --micro) do_micro=1; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "unknown option: $1" >&2; usage >&2; exit 2 ;;
  esac
done

for n in "$runs" "$html_runs" "$html_entries"; do
  [[ $n =~ ^[1-9][0-9]*$ ]] || { echo "counts must be positive integers, got '$n'" >&2; exit 2; }
done

if ((do_build)); then
  echo "== Building Release into $build_dir"
  cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVERIGLYPH_TESTS=OFF >/dev/null
  cmake --build "$build_dir" --target veriglyph -j"$(nproc)" >/dev/null
fi
binary=$build_dir/veriglyph
[[ -x $binary ]] || { echo "no binary at $binary (drop --no-build?)" >&2; exit 1; }

# Peak RSS comes from GNU time, installed here when it is missing and we may;
# otherwise from wait4() in a small python3 runner, which then also does the
# timing. A child forked by python inherits python's own high-water mark, so
# that fallback cannot report less than the runner's ~10-14 MiB.
rss_tool=${VERIGLYPH_BENCH_RSS:-}
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
  gnu-time | python3 | none) ;;
  *) echo "VERIGLYPH_BENCH_RSS must be gnu-time, python3 or none" >&2; exit 2 ;;
esac

scratch_dirs=()
cleanup() {
  local d
  for d in "${scratch_dirs[@]+"${scratch_dirs[@]}"}"; do rm -rf -- "$d"; done
}
trap cleanup EXIT

# make_scratch LIST [ENTRIES]: sets scratch to a fresh working folder with the
# tree the program expects: the word list linked into it (or, with ENTRIES, its
# first ENTRIES lines copied) and one letter folder per first character of it.
make_scratch() {
  local list=$1 entries=${2:-} dir c
  dir=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-bench.XXXXXX")
  scratch_dirs+=("$dir")
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
  scratch=$dir
}

# reset_scratch DIR: removes everything a run writes, so that every run takes
# the same path (no existing report, no archived spell, no earlier pages).
reset_scratch() {
  local dir=$1
  find "$dir/spellbook/Results" "$dir/spellbook/ResultsHTML" -mindepth 1 -type f -delete
  rm -f "$dir/spellbook/user_entries.txt"
}

# time_once DIR ARGS...: runs the binary once in DIR with stdout to /dev/null;
# sets run_ms (wall), run_cpu_ms (user + sys), run_rss_kb and run_status.
time_once() {
  local dir=$1
  shift
  local err=$dir/.stderr rss_file=$dir/.rss timing=$dir/.timing real user sys
  run_status=0
  if [[ $rss_tool == python3 ]]; then
    local runner out
    runner='
import os, subprocess, sys, time
t0 = time.perf_counter()
p = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
_, status, ru = os.wait4(p.pid, 0)
t1 = time.perf_counter()
print("%.1f %.1f %d %d" % ((t1 - t0) * 1e3, (ru.ru_utime + ru.ru_stime) * 1e3,
                           ru.ru_maxrss, os.waitstatus_to_exitcode(status)))
'
    out=$(cd "$dir" && python3 -c "$runner" "$binary" "$@" 2>"$err")
    read -r run_ms run_cpu_ms run_rss_kb run_status <<<"$out"
  else
    # The shell's time keyword gives wall and CPU time to the millisecond; GNU
    # time only adds the peak RSS (its own start-up, well under a millisecond,
    # is part of the wall time).
    local TIMEFORMAT='%3R %3U %3S'
    local -a wrap=()
    if [[ $rss_tool == gnu-time ]]; then wrap=(/usr/bin/time -f %M -o "$rss_file"); fi
    cd "$dir"
    { time "${wrap[@]+"${wrap[@]}"}" "$binary" "$@" </dev/null >/dev/null 2>"$err"; } 2>"$timing" ||
      run_status=$?
    cd "$OLDPWD"
    read -r real user sys <"$timing"
    run_ms=$(awk -v r="$real" 'BEGIN { printf "%.1f", r * 1e3 }')
    run_cpu_ms=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.1f", (u + s) * 1e3 }')
    if [[ $rss_tool == gnu-time ]]; then
      run_rss_kb=$(tail -n 1 "$rss_file")
    else
      run_rss_kb=0
    fi
  fi
  if [[ -s $err ]]; then
    echo "  WARNING: the program wrote to stderr: $(head -c 200 "$err")" >&2
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

# scenario NAME TARGET RUNS DIR CHECK ARGS...: one untimed warm-up run (page
# cache, binary), then RUNS timed runs, each in a reset folder. TARGET is a
# number of milliseconds or "-". CHECK is a file glob (relative to DIR) that
# must exist after every run, or "-".
scenario() {
  local name=$1 target=$2 n=$3 dir=$4 check=$5
  shift 5
  local walls=() cpus=() peak=0 i
  reset_scratch "$dir"
  time_once "$dir" "$@"
  for ((i = 0; i < n; i++)); do
    reset_scratch "$dir"
    time_once "$dir" "$@"
    if ((run_status != 0)); then
      echo "  $name: run $((i + 1)) exited with status $run_status" >&2
      failures=$((failures + 1))
    fi
    if [[ $check != - ]] && ! compgen -G "$dir/$check" >/dev/null; then
      echo "  $name: run $((i + 1)) did not write $check" >&2
      failures=$((failures + 1))
    fi
    walls+=("$run_ms")
    cpus+=("$run_cpu_ms")
    if ((run_rss_kb > peak)); then peak=$run_rss_kb; fi
  done

  local med min max cpu rss_mib verdict=""
  med=$(median "${walls[@]}")
  min=$(printf '%s\n' "${walls[@]}" | sort -g | head -n 1)
  max=$(printf '%s\n' "${walls[@]}" | sort -g | tail -n 1)
  cpu=$(median "${cpus[@]}")
  rss_mib=$(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }')
  if [[ $target != - ]]; then
    if awk -v m="$med" -v t="$target" 'BEGIN { exit !(m < t) }'; then
      verdict="< $target ms: met"
    else
      verdict="< $target ms: MISSED"
      misses=$((misses + 1))
    fi
  fi
  printf '  %-40s runs %2d  median %8s  min %8s  max %8s  cpu %8s ms  RSS %5s MiB  %s\n' \
    "$name" "$n" "$med" "$min" "$max" "$cpu" "$rss_mib" "$verdict"
  summary+=("| $name | $n | $med | $min | $max | $cpu | $rss_mib | ${verdict:--} |")
}

entries_of() { grep -c . "$1" || true; }

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
  "$runs runs ($html_runs for --html), each scenario after one untimed warm-up"
echo "== Targets (median wall): --find on a ~70,000-entry list < ${target_find_ms} ms;" \
  "--match < ${target_match_ms} ms; ${html_entries}-page --html set < $((target_html_ms / 1000)) s"
echo

lists=("shipped:$shipped_list")
if [[ -f $twelve_dicts ]]; then
  lists+=("12dicts:$twelve_dicts")
else
  echo "NOTE: $twelve_dicts is absent; the 12dicts scenarios are skipped."
fi

make_scratch "$shipped_list"
floor_dir=$scratch
echo "-- start-up floor (one-word analysis, no word list loaded)"
scenario "veriglyph Hello" - "$runs" "$floor_dir" - Hello

for item in "${lists[@]}"; do
  label=${item%%:*}
  list=${item#*:}
  make_scratch "$list"
  dir=$scratch
  echo "-- $label list: $(realpath "$list") ($(entries_of "$list") entries)"
  scenario "--find 52ord ($label)" "$target_find_ms" "$runs" "$dir" \
    'spellbook/Results/output_*.txt' --find 52ord
  scenario "--match \"Hello World\" ($label)" "$target_match_ms" "$runs" "$dir" \
    'spellbook/Results/match_Hello World.txt' --match "Hello World"
done

if [[ -f $twelve_dicts ]]; then
  html_list=$twelve_dicts
  html_label=12dicts
else
  html_list=$shipped_list
  html_label=shipped
  echo "NOTE: --html runs over the first $html_entries entries of the shipped list instead."
fi
make_scratch "$html_list" "$html_entries"
html_dir=$scratch
html_count=$(entries_of "$html_dir/$word_list_rel")
echo "-- --html alone over the first $html_count entries of the $html_label list"
# The target is set for the 8,000-page set; other sizes are only measured.
html_target=-
if ((html_entries == 8000)); then html_target=$target_html_ms; fi
scenario "--html ($html_count entries, $html_label)" "$html_target" "$html_runs" "$html_dir" - --html
pages=$(find "$html_dir/spellbook/ResultsHTML" -type f -name 'match_*.htm' | wc -l)
distinct=$(tr -d '\r' <"$html_dir/$word_list_rel" | grep . | LC_ALL=C sort -u | wc -l)
echo "  pages written by the last run: $pages (distinct entries: $distinct)"
if ((pages != distinct)); then
  echo "  WARNING: expected one page per distinct entry" >&2
  failures=$((failures + 1))
fi
echo "== Contention at end: $(contention)"

echo
echo "| Scenario | Runs | Median ms | Min ms | Max ms | CPU ms (median) | Peak RSS MiB | Target |"
echo "|---|---|---|---|---|---|---|---|"
printf '%s\n' "${summary[@]}"
echo "(--html pages written per run: $pages)"

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
    reset_scratch "$html_dir"
    (cd "$html_dir" && perf record -q -e cpu-clock -F 2000 -o "$html_dir/perf.data" \
      "$binary" --html </dev/null >/dev/null 2>"$html_dir/.perf")
    echo "-- --html over $html_count entries: share of CPU samples by binary, then top symbols (self)"
    rows=$(perf report -i "$html_dir/perf.data" --no-children --sort dso --stdio 2>/dev/null |
      grep -E '^ +[0-9.]+%' | awk '{ printf "  %s %s\n", $1, $2 }') || true
    head -n 5 <<<"$rows"
    rows=$(perf report -i "$html_dir/perf.data" --no-children --sort dso,symbol --stdio 2>/dev/null |
      grep -E '^ +[0-9.]+%' | sed -E -e 's/( +-)* *$//' -e 's/  +/ /g' \
        -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g') ||
      true
    head -n 16 <<<"$rows"
    rm -f "$html_dir/perf.data"
  else
    echo "== perf is not available here; the --html profile is skipped"
  fi
fi

if ((do_micro)); then
  echo
  echo "== Micro-benchmarks (Google Benchmark) in $micro_build_dir"
  cmake -S "$repo" -B "$micro_build_dir" -DCMAKE_BUILD_TYPE=Release -DVERIGLYPH_TESTS=OFF \
    -DVERIGLYPH_BENCH=ON >/dev/null
  cmake --build "$micro_build_dir" --target veriglyph_bench -j"$(nproc)" >/dev/null
  "$micro_build_dir/bench/veriglyph_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>&1 | grep -vE '^\*\*\*WARNING\*\*\* Library was built as DEBUG'
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
