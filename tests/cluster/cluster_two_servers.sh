#!/usr/bin/env bash
# Two zendral-server processes over one throwaway PostgreSQL, started by the cluster demo
# with nginx in front: a log-in through one server holds on the other, a transfer and a
# results read go through the other, chat messages sent at the same moment through both get
# different numbers, two bookings of one seat through both let exactly one sit, one server
# relays the tournament tables, and the balancer hands requests to both. Ctrl-C (here TERM)
# stops all.
set -u
demo=$1
build=$2
failures=0
expect() {  # expect "what" "actual" "expected"
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    echo "  expected: $3"
    echo "  actual:   $2"
    failures=$((failures + 1))
  fi
}
[ -x "${PG_BIN:-/usr/lib/postgresql/15/bin}/initdb" ] || { echo "skipped: no PostgreSQL"; exit 77; }
command -v nginx >/dev/null || [ -x /usr/sbin/nginx ] || { echo "skipped: no nginx"; exit 77; }

# Free ports: the balancer's and the two servers' in a row, and the relay's ten from base + 11.
demo_ports() { echo "$1 $(($1 + 1)) $(($1 + 2)) $(seq $(($1 + 11)) $(($1 + 20)))"; }
listening() {  # how many of the given ports something listens on
  local pattern
  pattern=$(echo "$@" | sed 's/ /|/g')
  ss -Htln | awk '{print $4}' | grep -Ec ":($pattern)\$"
}
base=28044
while [ "$(listening $(demo_ports $base))" -ne 0 ]; do
  base=$((base + 21))
done
out=$(mktemp)
jars=$(mktemp -d)
# setsid: the demo and everything it starts form one group, which the test can always end.
setsid bash "$demo" --port "$base" --build "$build" >"$out" 2>&1 &
demo_pid=$!
cleanup() {
  kill -TERM "$demo_pid" 2>/dev/null
  for _ in $(seq 100); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL -- "-$demo_pid" 2>/dev/null
  rm -rf "$out" "$jars"
}
trap cleanup EXIT
for _ in $(seq 600); do
  grep -q '^Press Ctrl-C' "$out" && break
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^Press Ctrl-C' "$out"; then
  echo "FAIL: the demo did not come up"
  cat "$out"
  exit 1
fi
database=$(sed -n 's/^    \(postgresql:.*\)$/\1/p' "$out")
logs=$(sed -n 's/^Logs: \(.*\)$/\1/p' "$out")
one=http://127.0.0.1:$((base + 1))
two=http://127.0.0.1:$((base + 2))
balancer=http://127.0.0.1:$base

# post BASE JAR BODY PATH: the reply's body; the session cookie comes from the member's jar,
# which only a log-in writes (requests that race must not write one file at once).
post() { curl -s -m 20 -b "$jars/$2" --data-binary "$3" "$1$4"; }
form() { post "$1" "$2" "$3" /services/account; }
records() { post "$1" "$2" "$3" /services/records; }
log_in() {  # log_in BASE JAR NICK PASSWORD
  curl -s -m 20 -c "$jars/$2" --data-binary "nick=$3&pw=$4&label0=0" "$1/services/account"
}
new_account() {
  form "$1" none "nick=$2&pw=$3&city=Toronto&country1=Canada&country2=3-009&sex=W&email=me@example.org"
}

# Accounts made through one server, logged in through either.
expect "Anna created through one" "$(new_account "$one" Anna pass1234)" "ok"
expect "Boris created through the other" "$(new_account "$two" Boris pass5678)" "ok"
expect "a nick is taken on both" "$(new_account "$two" Anna other999)" "is"
login=$(log_in "$one" anna Anna pass1234)
expect "Anna logs in through one" "${login:0:1}${login: -1}" '$$'
expect "Boris logs in through the other" "$(log_in "$two" boris Boris pass5678 | cut -c1)" '$'
"$build/bin/zendral-server" --database "$database" --data "$logs/data" admin grant Anna 100 >/dev/null 2>&1
expect "admin grant" "$?" "0"

# Anna's session, opened through one, holds on the other: her balance, a transfer, her results.
expect "balance through the other" "$(form "$two" anna "nick=Anna&labelkovread=0")" '$100$'
expect "transfer through the other" "$(form "$two" anna "nick=Anna&labelkovsend=0&to=Boris&R04=30")" "ok"
expect "balance back through one" "$(form "$one" anna "nick=Anna&labelkovread=0")" '$70$'
expect "more than she has" "$(form "$one" anna "nick=Anna&labelkovsend=0&to=Boris&R04=71")" "is"
expect "no session, no transfer" "$(form "$two" none "nick=Anna&labelkovsend=0&to=Boris&R04=1")" "no"
expect "Boris got it" "$(form "$one" boris "nick=Boris&labelkovread=0")" '$30$'
expect "results read through the other" "$(form "$two" anna "nick=Anna&crdq4best=0" | cut -c1)" '$'

# Transfers racing through both servers: each Kov moves once, none is made or lost.
for i in 1 2 3 4 5; do
  form "$one" anna "nick=Anna&labelkovsend=0&to=Boris&R04=7" >"$jars/t1.$i" &
  first=$!
  form "$two" anna "nick=Anna&labelkovsend=0&to=Boris&R04=7" >"$jars/t2.$i" &
  wait "$first" "$!"
done
replies() { for f in "$@"; do cat "$f"; echo; done; }  # one reply body a line
done_count=$(replies "$jars"/t[12].* | grep -c '^ok$')
expect "ten racing transfers done" "$done_count" "10"
expect "Anna's balance after the race" "$(form "$two" anna "nick=Anna&labelkovread=0")" '$0$'
expect "Boris's balance after the race" "$(form "$one" boris "nick=Boris&labelkovread=0")" '$100$'

# Chat messages sent at the same moment through both servers get different numbers; a member
# chats under his nick in his own session only, logged in through the other server.
chat() {  # chat BASE JAR NICK TEXT
  records "$1" "$2" "gid=100&nick=$3&city=Paris&country=1-015&score=0&R7=W&R8=5.7f&R9=14:05:33_10.12.2026_Zendral&R10=$4*"
}
for i in 1 2 3 4 5; do
  chat "$one" anna Anna "one_$i" >"$jars/c1.$i" &
  first=$!
  chat "$two" boris Boris "two_$i" >"$jars/c2.$i" &
  wait "$first" "$!"
done
numbers=$(replies "$jars"/c[12].* | sed -n 's/^\$\([0-9]*\)\$$/\1/p' | sort -n | tr '\n' ' ')
expect "ten chat messages numbered 1 to 10, none twice" "$numbers" "1 2 3 4 5 6 7 8 9 10 "

# Two members booking one seat at the same moment through both servers: exactly one sits.
tour() { post "$1" "$2" "$3" /services/tournament; }
for table in 4 5 6; do
  tour "$one" anna "gid=44&clienton1=1&num=$table&can=1&nick1=Anna" >"$jars/s1.$table" &
  first=$!
  tour "$two" boris "gid=44&clienton1=1&num=$table&can=1&nick1=Boris" >"$jars/s2.$table" &
  wait "$first" "$!"
  answers=$(replies "$jars/s1.$table" "$jars/s2.$table" | sort | tr '\n' ' ')
  expect "table $table: one booking wins, the other finds the seat taken" "$answers" "is ok "
  # The winner leaves again, so that both may race for the next table.
  if [ "$(cat "$jars/s1.$table")" = ok ]; then
    winner=Anna jar=anna
  else
    winner=Boris jar=boris
  fi
  expect "table $table: the seat holder" \
    "$(tour "$two" none "gid=44&readclient1=1&num=$table" | grep -c "$winner")" "1"
  expect "table $table: the winner leaves" \
    "$(tour "$one" "$jar" "gid=44&clienton1=1&num=$table&can=2&nick1=$winner")" "ok"
done

# One relay for the club: the first server's ten table ports, and no other.
expect "the relay's ten tables listen" "$(listening $(seq $((base + 11)) $((base + 20))))" "10"

# The balancer hands requests to both servers.
for _ in 1 2 3 4; do curl -s -m 10 -o /dev/null "$balancer/services/paths.txt"; done
used=$(grep -o '\-> 127.0.0.1:[0-9]*' "$logs/nginx-access.log" | sort -u | wc -l)
expect "both servers behind the balancer" "$used" "2"

# Stopping the demo stops everything it started.
kill -TERM "$demo_pid"
for _ in $(seq 100); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
expect "the demo ended" "$(kill -0 "$demo_pid" 2>/dev/null && echo running)" ""
expect "nothing listens any more" "$(listening $(demo_ports $base))" "0"
expect "the demo's folder is gone" "$([ -e "$logs" ] && echo still there)" ""

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; cat "$out"; exit 1; }
echo "all checks passed"
