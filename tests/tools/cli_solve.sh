#!/usr/bin/env bash
# zendral-cli solve values each choice of the seat to move under perfect play; simulate pits
# the expert against the classic player.
set -u
cli=$1
. "$(dirname "$0")/lib.sh"

# The last card wins the ante, a fine and three cards.
expect "last card" "$($cli solve --own Ts --opp '6h 7h 8h' --layout '9h 9d 9s 9c' --opp-passes 1)" "Ts 7"
# No card to lay: one pass, and the other seat's last card wins 2 + 2 * 2 + 1.
expect "forced pass" "$($cli solve --own 7h --opp 8h --layout '9h 9d 9s 9c' --own-passes 1)" "pass -7"
# Best first: Ts then Qs leaves the other seat without a card; 8h lets it win the race.
expect "best first" "$($cli solve --own '8h Ts Qs' --opp 'Js 7h' --layout '9h 9d 9s 9c' --lay-counter 5)" \
  "Ts 5
8h -3"
expect "cyrillic cards" "$($cli solve --own '8ч 1п Дп' --opp 'Вп 7ч' --layout '9ч 9б 9п 9к')" \
  "Ts 5
8h -3"

for bad in "--own '9d 9h' --opp '9h'" "--own 9h --opp 9d" "--own 7d --opp Jd --layout 9d" \
           "--own Td --opp Jd --layout '9d 7d'" "--own Td --opp Jd --layout 9d --lay-counter 1" \
           "--own Td --opp Jd --layout 9d --own-passes 500" "--own '' --opp Jd --layout '9d Td'"; do
  eval "$cli solve $bad" >/dev/null 2>/tmp/zendral-cli-err.$$
  expect "exit status for: $bad" "$?" "1"
  expect "one error line for: $bad" "$(wc -l < /tmp/zendral-cli-err.$$)" "1"
done
for bad in "--own 9x --opp 7s" "--own 9d" "--own 9d --opp 7s --colour red"; do
  eval "$cli solve $bad" >/dev/null 2>/dev/null
  expect "usage status for: $bad" "$?" "2"
done

out=$($cli simulate --kons 40 --seed 3 --seat2 expert)
expect "simulate expert exit" "$?" "0"
expect "expert kons" "$(echo "$out" | head -n 1)" "kons: 40"
s1=$(echo "$out" | sed -n 's/^seat1 score: //p')
s2=$(echo "$out" | sed -n 's/^seat2 score: //p')
expect "expert scores sum to zero" "$((s1 + s2))" "0"
mean=$(echo "$out" | sed -n 's/^seat2 mean per kon: //p')
expect "mean is the score per kon" "$mean" "$(awk -v s="$s2" 'BEGIN { printf "%.3f", s / 40 }')"
expect "solve time line" "$(echo "$out" | grep -c '^solve ms: p50 [0-9.]* p99 [0-9.]* max [0-9.]*$')" "1"
classic=$($cli simulate --kons 40 --seed 3)
expect "no solve time without the expert" "$(echo "$classic" | grep -c '^solve ms')" "0"
expect "classic mean line" "$(echo "$classic" | grep -c '^seat2 mean per kon: -\?[0-9]*\.[0-9][0-9][0-9]$')" "1"
$cli simulate --kons 5 --seat1 genius >/dev/null 2>&1
expect "unknown level" "$?" "2"
finish
