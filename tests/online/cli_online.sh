#!/bin/bash
# zendral-cli online against the real companion server on a free loopback port: the requests
# a player, a tester or a club admin makes from the command line, their output and exit codes.
# usage: cli_online.sh ZENDRAL_CLI ZENDRAL_SERVER
set -u
cli=$1
server=$2
. "$(dirname "$0")/start_server.sh"

expect "create" "$(run create Mira secret1 Omsk 1-001 W mira@example.org)" "result=0"
out=$(run create Mira secret1 Omsk 1-001 W mira@example.org 2>"$work/err")
expect "create again: exit 1" "$?" "1"
expect "create again: result" "$out" "result=1"
expect "create again: message" "$(cat "$work/err")" \
  "The club already has a player with the same Nick!"
run create Olga secret2 Kyiv 1-046 W olga@example.org >/dev/null
# A country or sex the club does not know is named with what is expected (exit 2).
run create Vlad secret3 Omsk RU M vlad@example.org >/dev/null 2>"$work/err"
expect "create with RU: exit 2" "$?" "2"
expect "create with RU: the message names the form of a code" \
  "$(grep -c 'e.g. 1-001 (Russia)' "$work/err")" "1"
run create Vlad secret3 Omsk 1-001 X vlad@example.org >/dev/null 2>"$work/err"
expect "create with sex X: message" "$(grep -c 'SEX is M or W' "$work/err")" "1"

login=$(run login Mira secret1)
expect "login exit" "$?" "0"
expect "login city" "$(echo "$login" | grep '^city=')" "city=Omsk"
expect "login country" "$(echo "$login" | grep '^country1=')" "country1=Russia"
run login Mira wrongpw >/dev/null 2>"$work/err"
expect "login refused: exit" "$?" "1"
expect "login refused: message" "$(cat "$work/err")" "Login failed!"
expect "members" "$(run members)" "members=2"

out=$(run save-profile Mira secret1 "About=cards & more = fun" Telegram=@mira)
expect "save-profile about" "$(echo "$out" | grep '^About=')" "About=cards & more = fun"
expect "profile telegram" "$(run profile Mira | grep '^Telegram=')" "Telegram=@mira"

expect "balance" "$(run balance Mira secret1)" "balance=0"
run transfer Mira secret1 Olga 5 >/dev/null 2>"$work/err"
expect "transfer without Kovs: exit" "$?" "1"
expect "transfer without Kovs" "$(cat "$work/err")" "You do not have enough Kovs to transfer!"
run transfer Mira secret1 Olga 0 >/dev/null 2>"$work/err"
expect "empty transfer" "$(cat "$work/err")" "I can not make an empty transfer!"

# Ten rated games, each a real block on the decks the server dealt, the computer on both seats:
# the tenth completes the cycle, is filed in the account table and earns the award of place 1.
total=0
for game in 1 2 3 4 5 6 7 8 9; do
  run rated-game Mira secret1 >"$work/rated" || { echo "FAIL: rated game $game"; exit 1; }
  total=$((total + $(sed -n 's/^block-score=//p' "$work/rated")))
done
expect "after nine: konl" "$(grep '^konl=' "$work/rated")" "konl=27"
expect "after nine: score" "$(grep '^score=' "$work/rated")" "score=$total"
last=$(run rated-game Mira secret1)
total=$((total + $(echo "$last" | sed -n 's/^block-score=//p')))
expect "tenth: kon" "$(echo "$last" | grep '^kon=')" "kon=30"
expect "tenth: konl" "$(echo "$last" | grep '^konl=')" "konl=0"
expect "tenth: sessions" "$(echo "$last" | grep '^sessions=')" "sessions=1"
expect "tenth: filed" "$(echo "$last" | grep '^filed-place=')" "filed-place=1"
expect "tenth: award" "$(echo "$last" | grep '^award=')" "award=25"
expect "tenth: balance" "$(echo "$last" | grep '^balance=')" "balance=25"
expect "account table" "$(run world 344 | cut -f1-5)" "$(printf '1\t%s\tMira\tRussia\tOmsk' "$total")"
expect "world-size 344" "$(run world-size 344)" "size=1"
# The best cycle starts at 0: a cycle below it leaves it there.
expect "results" "$(run results Mira secret1 | grep '^best=')" "best=$((total > 0 ? total : 0))"
expect "club-top" "$(run club-top | head -1 | cut -f1,2)" "$(printf 'Mira\tOmsk')"
expect "place" "$(run place 99)" "place=1"
expect "rated-game SCORE is gone" "$(run rated-game Mira secret1 4 >/dev/null 2>&1; echo $?)" "2"

out=$(run transfer Mira secret1 Olga 10)
expect "transfer" "$out" "$(printf 'outcome=ok\nbalance=15')"
expect "friend's balance" "$(run balance Olga secret2)" "balance=10"
run transfer Mira secret1 Nobody 1 >/dev/null 2>"$work/err"
expect "no such member" "$(cat "$work/err")" "There is no club member with that nick!"

expect "submit" "$(run submit 44 Incognito Moscow 1-001 77 M)" "place=1"
expect "own-rows" "$(run own-rows 44 Incognito Moscow | cut -f1-5)" \
  "$(printf '1\t77\tIncognito\t1-001\tMoscow')"
expect "paths" "$(run paths | grep '^account=')" "account=http://127.0.0.1:$port/services/account"

# Every operation of the services' tables by name, its key taken from the table.
expect "operations: a creation is a nick and a password" \
  "$(run operations account | grep -P '^account\tcreate\t')" \
  "$(printf 'account\tcreate\t-\tnick,pw\tpassword-hash')"
expect "operations of every service" "$(run operations | cut -f1 | sort -u | tr '\n' ' ')" \
  "account records stats tournament "
expect "ask: member count" "$(run ask account member-count)" "\$2\$"
expect "ask: a world table's size" "$(run ask records world-size rgid=344)" "\$1\$"
expect "ask: the tournament's state" "$(run ask tournament server-info gid=44)" \
  "\$Y Welcome_to_the_Zendral_tournament!\$"
expect "ask: another game's tournament" "$(run ask tournament server-info gid=45)" "no"
run ask records world-submit score=1 >/dev/null 2>"$work/err"
expect "ask without a needed field: exit" "$?" "2"
expect "ask without a needed field: message" "$(head -1 "$work/err")" \
  "zendral-cli online ask: world-submit needs gid=VALUE"
run ask account frobnicate >/dev/null 2>&1
expect "ask an unknown operation" "$?" "2"
run operations photo >/dev/null 2>&1
expect "operations of an unknown service" "$?" "2"

run frobnicate >/dev/null 2>&1
expect "bad usage" "$?" "2"
run login Mira >/dev/null 2>&1
expect "missing argument" "$?" "2"
# A dead address fails within the bound, with the program's message.
start=$(date +%s)
"$cli" online --base "http://127.0.0.1:1" members >/dev/null 2>"$work/err"
expect "dead server: exit" "$?" "1"
expect "dead server: message" "$(cat "$work/err")" "No Connect!"
[ $(( $(date +%s) - start )) -le 12 ] || { echo "FAIL: waited too long"; failures=$((failures + 1)); }
finish
