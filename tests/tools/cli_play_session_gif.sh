#!/usr/bin/env bash
# zendral-cli play-session --gif: each kon recorded as a GIF without a screen, the session
# itself unchanged; a folder that cannot be written is an error.
set -u
cli=$1
. "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

plain=$($cli play-session --kons 3 --seed 7)
out=$($cli play-session --kons 3 --seed 7 --gif "$dir/gif" 2>/dev/null)
expect "recorded exit" "$?" "0"
expect "same session" "$(echo "$out" | grep -v '^gif: ')" "$plain"
expect "one file per kon" "$(echo "$out" | grep -c '^gif: ')" "3"
expect "files in the folder" "$(ls "$dir/gif" | grep -c '\.gif$')" "3"
expect "nothing else left" "$(ls -A "$dir/gif" | grep -vc '\.gif$')" "0"
for f in "$dir"/gif/*.gif; do
  expect "$f header" "$(head -c 6 "$f")" "GIF89a"
  expect "$f trailer" "$(tail -c 1 "$f" | od -An -tx1 | tr -d ' ')" "3b"
done
# Kons written within one second are numbered, never replaced.
expect "unique names" "$(echo "$out" | sed -n 's/^gif: //p' | sort -u | wc -l)" "3"

large=$($cli play-session --kons 1 --seed 7 --gif "$dir/large" --gif-size 5 --gif-delay 300 2>/dev/null)
expect "large exit" "$?" "0"
expect "large file" "$(echo "$large" | grep -c '^gif: ')" "1"

: > "$dir/blocked"
$cli play-session --kons 1 --seed 7 --gif "$dir/blocked" >/dev/null 2>"$dir/err"
expect "unwritable exit" "$?" "1"
expect "unwritable told" "$(grep -c 'cannot write' "$dir/err")" "1"

$cli play-session --kons 1 --gif-size 3 >/dev/null 2>&1
expect "size without gif" "$?" "2"
$cli play-session --kons 1 --gif "$dir/x" --gif-size 9 >/dev/null 2>&1
expect "bad size" "$?" "2"
finish
