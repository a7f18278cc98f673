#!/bin/bash
# zendral-cli online daily and daily-table against the real companion server on a free
# loopback port, with the server's admin view of the same day.
# usage: cli_daily.sh ZENDRAL_CLI ZENDRAL_SERVER
set -u
cli=$1
server=$2
. "$(dirname "$0")/start_server.sh"
field() { sed -n "s/^$1: //p" "$2"; }

run create Mira secret1 Omsk 1-001 W mira@example.org >/dev/null
run create Olga secret2 Kyiv 1-046 W olga@example.org >/dev/null
today=$(date +%Y-%m-%d)

run daily Mira secret1 >"$work/mira"
expect "classic: exit" "$?" "0"
expect "classic: day" "$(field day "$work/mira")" "$today"
expect "classic: place" "$(field place "$work/mira")" "1"
par=$(field par "$work/mira")
score=$(field score "$work/mira")
[ "$score" -le "$par" ] || { echo "FAIL: score $score above par $par"; failures=$((failures + 1)); }

# Who has not played today sees no deck and no par yet.
run daily-table >"$work/table"
expect "secret: deck" "$(grep -c '^deck=' "$work/table")" "0"
expect "secret: par" "$(grep -c '^par=' "$work/table")" "0"
expect "secret: one row" "$(grep -c $'\t' "$work/table")" "1"

run daily Olga secret2 --expert >"$work/olga"
expect "expert: exit" "$?" "0"
expect "expert: same par" "$(field par "$work/olga")" "$par"
expect "expert: players" "$(field players "$work/olga")" "2"

# A second try the same day: refused with the message, and the table shown instead.
run daily Mira secret1 >"$work/again" 2>"$work/err"
expect "again: exit" "$?" "1"
expect "again: message" "$(cat "$work/err")" \
  "You have played today's deal already. Here is the day's table."
expect "again: par shown" "$(grep '^par=' "$work/again")" "par=$par"
expect "again: own score" "$(grep '^own-score=' "$work/again")" "own-score=$score"
expect "again: rows" "$(grep -c $'\t' "$work/again")" "2"
deck=$(sed -n 's/^deck=//p' "$work/again")
expect "again: deck length" "${#deck}" "72"

# Rows: place, score, nick, country, city, distance from par, time.
row=$(grep $'\tMira\t' "$work/again" | cut -f2-6)
expect "Mira's row" "$row" "$(printf '%s\tMira\t1-001\tOmsk\t%s' "$score" "$((par - score))")"

# The admin sees the same deck and par.
"$server" --data "$work/data" admin daily show >"$work/admin" 2>/dev/null
expect "admin: exit" "$?" "0"
expect "admin: deck" "$(sed -n 's/^deck: //p' "$work/admin")" "$deck"
expect "admin: par" "$(sed -n 's/^par: //p' "$work/admin")" "$par"
expect "admin: entries" "$(grep -c $'\t' "$work/admin")" "2"

# No table for a day still to come; an option of the other command is bad usage.
run daily-table --date 2999-01-01 >/dev/null 2>&1
expect "future day: exit" "$?" "1"
run daily-table --expert >/dev/null 2>&1
expect "daily-table --expert: exit" "$?" "2"
run daily Mira >/dev/null 2>&1
expect "daily without password: exit" "$?" "2"
finish
