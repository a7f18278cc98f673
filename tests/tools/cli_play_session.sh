#!/usr/bin/env bash
# zendral-cli play-session: a whole cycle through the kon driver, stored in real files.
set -u
cli=$1
. "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

dry=$($cli play-session --kons 30 --seed 7)
expect "dry run exit" "$?" "0"
expect "same seed, same session" "$($cli play-session --kons 30 --seed 7)" "$dry"
expect "kons" "$(echo "$dry" | sed -n 's/^kons: //p')" "30"
expect "cycle complete" "$(echo "$dry" | sed -n 's/^cycle complete: //p')" "yes"

out=$($cli play-session --kons 30 --seed 7 --folder "$dir" --name Anna)
expect "stored exit" "$?" "0"
expect "club written" "$(echo "$out" | sed -n 's/^store written: //p')" "yes"
expect "club file still valid" "$($cli club check "$dir/Zendral.clb")" "ok"
expect "member listed" "$($cli club list "$dir/Zendral.clb" --mode 2 | head -n 1 | cut -c1-4)" "Anna"
expect "history line" "$($cli history check "$dir"/History/*.hst)" "ok 1"

$cli play-session --kons 3 --seed 8 --folder "$dir" --name Boris >/dev/null
expect "second session appended" "$($cli history check "$dir"/History/*.hst)" "ok 2"
expect "two members" "$($cli club list "$dir/Zendral.clb" --mode 2 | grep -c '^[AB]')" "2"

$cli play-session --kons 0 >/dev/null 2>&1
expect "bad kons" "$?" "2"
finish
