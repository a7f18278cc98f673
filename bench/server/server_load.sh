#!/usr/bin/env bash
# Load on zendral-server over loopback with wrk: requests per second and the 50th/99th
# percentile latency of the world-table read, the log-in (real argon2id cost) and a request
# in a log-in session, 64 connections each, on SQLite in a temporary data folder.
#
#   bench/server/server_load.sh [path/to/zendral-server] [seconds per run, default 10]
#
# The per-address allowances are lifted (--rate-scale) so that one address can load it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=${1:-$here/../../build/bin/zendral-server}
seconds=${2:-10}
data=$(mktemp -d)
port=18044
base=http://127.0.0.1:$port
"$server" --listen 127.0.0.1:$port --data "$data" --rate-scale 1000000 --no-relay \
  2>"$data/server.log" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$data"' EXIT
for _ in $(seq 50); do curl -s -o /dev/null "$base/get_ip.php" && break; sleep 0.1; done

curl -s -X POST --data-binary 'nick=Bencher&pw=bench1234&city=Oslo&country1=Norway&country2=1-035&sex=M&email=b@x.org' \
  "$base/services/account" >/dev/null
for i in $(seq 1 40); do
  curl -s -X POST --data-binary "gid=44&nick=Player$i&city=Oslo&country=1-035&score=$((i * 37 % 1700))&R7=M&R8=5.7f&R9=#&R10=#*" \
    "$base/services/records" >/dev/null
done
ZSID=$(curl -s -c - -X POST --data 'nick=Bencher&pw=bench1234&label0=0' "$base/services/account" |
  awk '$6 == "zsid" { print $7 }')
export ZSID
if [ "$(curl -s -b "zsid=$ZSID" -X POST --data 'nick=Bencher&labelkovread=0' "$base/services/account")" != '$0$' ]; then
  echo "the session read does not answer the balance" >&2
  exit 1
fi

run() {
  local name=$1 script=$2 path=$3
  local out
  out=$(wrk -t2 -c64 -d"${seconds}s" --timeout 10s --latency -s "$here/$script" "$base$path" 2>&1)
  local rps p50 p99
  rps=$(awk '/Requests\/sec/ { print $2 }' <<<"$out")
  p50=$(awk '$1 == "50%" { print $2 }' <<<"$out")
  p99=$(awk '$1 == "99%" { print $2 }' <<<"$out")
  printf '%-22s %10s req/s   p50 %8s   p99 %8s\n' "$name" "$rps" "$p50" "$p99"
  grep -E "Non-2xx|Socket errors|log-ins answered" <<<"$out" | sed 's/^/    /' || true
}

echo "zendral-server on SQLite, 64 connections, ${seconds}s each ($(nproc) cores)"
run "world-table read" world.lua /services/records
run "read in a session" session.lua /services/account
run "log-in (argon2id)" login.lua /services/account
# Log-ins hash on the server's one thread: the reads wait while a hash runs.
wrk -t1 -c1 -d"${seconds}s" -s "$here/login.lua" "$base/services/account" >/dev/null 2>&1 &
background=$!
run "read during log-ins" world.lua /services/records
wait $background
