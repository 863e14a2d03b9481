#!/usr/bin/env bash
# veriglyph's local web server (veriglyph --serve) under load, against nginx serving the same
# pages written beforehand by veriglyph --html, measured in the same run.
#
# veriglyph --serve 127.0.0.1:0 runs in a scratch tree with the 12dicts list; its port comes from
# its standard error line "veriglyph: serving http://ADDR:PORT/ (N words, M cyphers); Ctrl-C
# stops". The pages requested, every 33rd entry of the list that is a plain lower-case ASCII word
# (2,000 at most), are written with veriglyph --html WORD (the same bytes as in the whole set) into
# a second tree and served by nginx (started here with its own config, pid and log files in a
# scratch folder, on a free loopback port, as the user running this). Then wrk -t2 -c16, with a
# Lua script requesting those pages in turn, at /set/C/match_W.htm on both (C the first
# character); and /api/totals?spell=Hello%20World on veriglyph alone. Reported (bench/stats.py):
# requests/s and p99 latency, the ratio veriglyph / nginx (target >= 0.5, p99 <= 10 ms), the
# api's requests/s (target >= 20,000) and the server's peak RSS under load, VmHWM from /proc
# (target <= 64 MiB).
# Skipped with a note while veriglyph has no --serve.
#
# Usage: bench/serve.sh [--runs N] [--duration S] [--entries N] [--nginx-only] [--no-build]
#   --runs N       rounds of load, veriglyph and nginx alternating (default 1); medians
#   --duration S   seconds of every wrk run (default 10), after a 2 s warm-up of each server
#   --entries N    a trial: both servers over the first N entries of the list only
#   --nginx-only   load nginx alone (checks the set-up while veriglyph cannot serve)
#   --no-build     use the binary already built (else Release into the build folder)
#   -h, --help     this text
# Environment: VERIGLYPH_BENCH_BUILD (default <repo>/build-bench), VERIGLYPH_BENCH_SHARED
#   (default <repo>/../shared, for wordlists/12dicts-5d+2a.txt), TMPDIR (scratch folders).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${VERIGLYPH_BENCH_BUILD:-$repo/build-bench}
list=${VERIGLYPH_BENCH_SHARED:-$repo/../shared}/wordlists/12dicts-5d+2a.txt
list_rel=spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
runs=1 duration=10 entries='' nginx_only=0 do_build=1 vpid='' npid=''

die() { echo "serve.sh: $*" >&2; exit 2; }
skip() { echo "NOTE: $*: skipped"; exit 0; }
usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "${BASH_SOURCE[0]}"; }
while (($#)); do
  case $1 in
    --runs | --duration | --entries)
      [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || die "$1 needs a positive integer"
      declare "${1#--}=$2" && shift ;;
    --nginx-only) nginx_only=1 ;;
    --no-build) do_build=0 ;;
    -h | --help) usage; exit 0 ;;
    *) die "unknown option: $1 (see --help)" ;;
  esac
  shift
done
command -v wrk >/dev/null || skip "wrk is not installed (Debian: wrk)"
command -v nginx >/dev/null || skip "nginx is not installed (Debian: nginx-light)"
[[ -f $list ]] || skip "no $list"

if ((do_build)); then
  echo "== Building Release into $build"
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVERIGLYPH_TESTS=OFF \
    -DVERIGLYPH_BENCH=ON >/dev/null
  cmake --build "$build" --target veriglyph veriglyph-serve -j2 >/dev/null
fi
vg=$build/veriglyph
[[ -x $vg ]] || die "no $vg (drop --no-build?)"

work=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-serve.XXXXXX")
raw=$work/raw.tsv
# stop PID SIGNAL: ends a process this script started and waits (at most 10 s) for it to go.
stop() {
  [[ -n $1 ]] && kill -0 "$1" 2>/dev/null || return 0
  kill "-$2" "$1" || true
  for _ in {1..100}; do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
}
cleanup() { stop "$vpid" INT; stop "$npid" QUIT; rm -rf -- "$work"; }
trap cleanup EXIT

# tree DIR: the tree veriglyph expects, with the list (or its first --entries lines) in it.
tree() {
  mkdir -p "$1/spellbook/"{Results,Cyphers,ResultsHTML/{{A..Z},{a..z}}} "$1/${list_rel%/*}"
  cp "$repo"/spellbook/Cyphers/*.txt "$1/spellbook/Cyphers/"
  if [[ -n $entries ]]; then head -n "$entries" "$list" >"$1/$list_rel"; else cp "$list" "$1/$list_rel"; fi
}

# The server, started first: a veriglyph without --serve takes the switch for a spell and ends.
tree "$work/serve"
vport=
if ((!nginx_only)); then
  (cd "$work/serve" && exec "$vg" --serve 127.0.0.1:0 </dev/null >"$work/serve.out" 2>"$work/serve.err") &
  vpid=$!
  for _ in {1..300}; do
    line=$(grep -m1 '^veriglyph: serving http://' "$work/serve.err" || true)
    if [[ -n $line ]] || ! kill -0 "$vpid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  [[ ${line:-} =~ ^veriglyph:\ serving\ http://(.+):([0-9]+)/ ]] ||
    skip "this veriglyph has no --serve yet (it said: $(cat "$work/serve.out" "$work/serve.err" | head -c 120 | tr '\n' ' ')...)"
  vport=${BASH_REMATCH[2]}
  echo "== veriglyph: ${line#veriglyph: }"
fi

# The pages to request, and those pages for nginx: each written by veriglyph --html W, the bytes
# the whole set holds for W, into a second tree (the whole set would take about 8 GB).
tree "$work/pages"
tr -d '\r' <"$work/pages/$list_rel" | awk 'NR % 33 == 1' | LC_ALL=C grep -x '[a-z][a-z]*' |
  head -n 2000 >"$work/words"
sed -E 's#^(.)(.*)$#/set/\1/match_\1\2.htm#' "$work/words" >"$work/paths"
echo "== Writing $(wc -l <"$work/words") pages with veriglyph --html WORD, two at a time"
start=$(date +%s)
(cd "$work/pages" && xargs -P 2 -n 1 -d '\n' "$vg" --html <"$work/words" >/dev/null) ||
  die "veriglyph --html failed"
echo "   $(find "$work/pages/spellbook/ResultsHTML" -type f -name 'match_*' | wc -l) pages in $(($(date +%s) - start)) s"
missing=$(sed 's#^/set/#'"$work"'/pages/spellbook/ResultsHTML/#' "$work/paths" |
  while read -r f; do [[ -f $f ]] || echo "$f"; done | wc -l)
((missing == 0)) || die "$missing of the pages to request were not written"
echo "== $(wc -l <"$work/paths") pages requested in turn, from $(head -n 1 "$work/paths") on"

cat >"$work/done.lua" <<'EOF'
done = function(summary, latency, requests)
  local e = summary.errors
  io.write(string.format("RESULT %.1f %.3f %d\n", summary.requests / (summary.duration / 1e6),
    latency:percentile(99) / 1000, e.connect + e.read + e.write + e.timeout + e.status))
end
EOF
{
  echo 'local paths = {'
  sed 's/.*/  "&",/' "$work/paths"
  echo '}'
  echo 'local i = 0'
  echo 'request = function() i = i % #paths + 1; return wrk.format("GET", paths[i]) end'
  cat "$work/done.lua"
} >"$work/pages.lua"

# nginx with its own config, on a free loopback port.
n=$work/nginx
mkdir -p "$n/temp"
for _ in {1..20}; do
  nport=$((20000 + RANDOM % 40000))
  ss -Hltn "sport = :$nport" | grep -q . || break
done
cat >"$n/nginx.conf" <<EOF
$( ((EUID != 0)) || echo "user $(id -un) $(id -gn);")
worker_processes auto;
pid $n/nginx.pid;
error_log $n/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  default_type text/html;
  sendfile on;
  keepalive_requests 1000000;
  client_body_temp_path $n/temp/body;
  proxy_temp_path $n/temp/proxy;
  fastcgi_temp_path $n/temp/fastcgi;
  uwsgi_temp_path $n/temp/uwsgi;
  scgi_temp_path $n/temp/scgi;
  server {
    listen 127.0.0.1:$nport;
    location /set/ { alias $work/pages/spellbook/ResultsHTML/; }
  }
}
EOF
nginx -p "$n" -c "$n/nginx.conf" -e "$n/error.log" || die "nginx did not start: $(cat "$n/error.log")"
for _ in {1..50}; do [[ -s $n/nginx.pid ]] && break; sleep 0.1; done
npid=$(cat "$n/nginx.pid")
echo "== nginx on 127.0.0.1:$nport (pid $npid)"

# load NAME PORT SECONDS LUA [PATH]: one wrk run; a sample unless NAME is "-".
load() {
  local out
  out=$(wrk -t2 -c16 -d"$3"s -s "$work/$4" "http://127.0.0.1:$2${5:-/}") || die "wrk failed: $out"
  [[ $1 == - ]] || echo "$out" | awk -v n="$1" '/^RESULT/ { printf "wrk\t%s\t%s\t%s\t%s\n", n, $2, $3, $4 }' >>"$raw"
}
api='/api/totals?spell=Hello%20World'
load - "$nport" 2 pages.lua
[[ -z $vport ]] || { load - "$vport" 2 pages.lua && load - "$vport" 2 done.lua "$api"; }
for ((r = 1; r <= runs; r++)); do
  echo "-- round $r of $runs: ${duration} s each"
  ((r % 2 == 0)) || [[ -z $vport ]] || load pages-veriglyph "$vport" "$duration" pages.lua
  load pages-nginx "$nport" "$duration" pages.lua
  ((r % 2 == 1)) || [[ -z $vport ]] || load pages-veriglyph "$vport" "$duration" pages.lua
  [[ -z $vport ]] || load api "$vport" "$duration" done.lua "$api"
done

hwm() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
if [[ -n $vport ]]; then
  kill -0 "$vpid" 2>/dev/null || die "veriglyph --serve ended under load: $(tail -c 300 "$work/serve.err")"
  printf 'rss\tveriglyph\t%s\n' "$(hwm "$vpid")" >>"$raw"
fi
total=$(hwm "$npid")
for p in $(ps -o pid= --ppid "$npid"); do total=$((total + $(hwm "$p"))); done
printf 'rss\tnginx\t%s\n' "$total" >>"$raw"

echo
python3 "$here/stats.py" serve "$raw"
echo "(nginx's peak RSS: its master and workers together)"
