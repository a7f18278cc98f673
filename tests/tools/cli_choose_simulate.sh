#!/usr/bin/env bash
# zendral-cli choose answers the computer player's worked examples; simulate is repeatable.
set -u
cli=$1
. "$(dirname "$0")/lib.sh"

expect "opening" "$($cli choose --own '6h 9d As' --opp '7s' --layout '')" "2 9d"
expect "gap nine" "$($cli choose --own '9ч 1ч Вч 7п 9п' --opp '6б 7б' --layout '9б')" "5 9s"
expect "demoted" "$($cli choose --own '9h Th Jh 7s 9s' --opp '8s' --layout '9d')" "1 9h"
expect "look-ahead" "$($cli choose --own 'Th,Kh,6d' --opp 'Jh' --layout '9h 9d 8d 7d')" "3 6d"
expect "kept" "$($cli choose --own 'Th Kh 6d' --opp 'Jh 7s' --layout '9h 9d 8d 7d')" "1 Th"
expect "pass" "$($cli choose --own '6h Ac' --opp '7s' --layout '9h 9d 9c 9s')" "0 pass"

for bad in "--own 9x --opp 7s" "--own '9d 9d' --opp 7s" "--own 9d --opp 7s --layout 9d" \
           "--own 9d --opp 7s --lay-counter z" "--own 9d"; do
  eval "$cli choose $bad" >/dev/null 2>/tmp/zendral-cli-err.$$
  rc=$?
  expect "exit status for: $bad" "$rc" "2"
  expect "one error line for: $bad" "$(wc -l < /tmp/zendral-cli-err.$$)" "1"
done
rm -f /tmp/zendral-cli-err.$$

first=$($cli simulate --kons 500 --seed 9)
expect "simulate exit" "$?" "0"
expect "same seed, same output" "$($cli simulate --kons 500 --seed 9)" "$first"
expect "kons line" "$(echo "$first" | head -n 1)" "kons: 500"
s1=$(echo "$first" | sed -n 's/^seat1 score: //p')
s2=$(echo "$first" | sed -n 's/^seat2 score: //p')
expect "scores sum to zero" "$((s1 + s2))" "0"
finish
