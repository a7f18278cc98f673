#!/usr/bin/env bash
# zendral-cli club, history and settings on real files, and the shipped club files.
set -u
export LC_ALL=C
cli=$1
makeclub=$2
. "$(dirname "$0")/../tools/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$makeclub" "$dir"
expect "makeclub exit" "$?" "0"
expect "shipped local file" "$($cli club check "$dir/Zendral.clb")" "ok"
expect "shipped network file" "$($cli club check "$dir/Zendral.net")" "ok"
expect "empty members by score" "$($cli club list "$dir/Zendral.clb" --mode 1 | sort -u)" \
  "####################    ###    ######"
expect "five member lines" "$($cli club list "$dir/Zendral.net" --mode 2 | wc -l)" "5"

# A club file already there is kept.
printf 'x' > "$dir/Zendral.net"
"$makeclub" --keep-existing "$dir"
expect "kept" "$(cat "$dir/Zendral.net")" "x"
expect "one line count" "$($cli club check "$dir/Zendral.net")" "damaged: not 17 lines"
$cli club check "$dir/Zendral.net" >/dev/null
expect "damaged exit" "$?" "1"

sed 's/Luka/Lukas/' "$dir/Zendral.clb" > "$dir/long.clb"
expect "long line" "$($cli club check "$dir/long.clb")" "damaged: line 15 has the wrong length"
sed 's/Luka/Lev /' "$dir/Zendral.clb" > "$dir/edited.clb"
expect "edited" "$($cli club check "$dir/edited.clb")" \
  "damaged: the checksums differ from lines 1-16"
expect "missing" "$($cli club check "$dir/none.clb")" "missing: no such file"
$cli club list "$dir/Zendral.clb" --mode 3 2>/dev/null
expect "bad mode" "$?" "2"

# A history file with one local session, written out by hand.
printf '%s\r\n' \
  '09:0507.03.2024Anna                                                12        -7     -0,58L#########039280192801326' \
  "\$$(printf '\220')}################################################################################################036650182401245" \
  '000000759300000037520000002571' > "$dir/Zendral_I0001.hst"
expect "history ok" "$($cli history check "$dir/Zendral_I0001.hst")" "ok 1"
sed 's/Anna/Anne/' "$dir/Zendral_I0001.hst" > "$dir/bad.hst"
expect "history edited" "$($cli history check "$dir/bad.hst")" \
  "invalid: line 1: its checksums differ from its data"
$cli history check "$dir/bad.hst" >/dev/null
expect "history exit" "$?" "1"

# Settings: a first start, then the second and third starts.
expect "first start" "$($cli settings normalize "$dir/none.ini" "$dir/1.ini")" \
  "no settings file: first start, every default"
expect "general line" "$(sed -n 2p "$dir/1.ini")" $'011110141RL010020011\r'
expect "35 lines" "$(wc -l < "$dir/1.ini")" "35"
expect "second start" "$($cli settings normalize "$dir/1.ini" "$dir/2.ini" --records R)" \
  "read up to line 26"
expect "passport defaults" "$(sed -n '26,30p' "$dir/2.ini" | tr -d '\r' | paste -sd,)" \
  "R,Incognito,1-001,Moscow,M"
expect "third start" "$($cli settings normalize "$dir/2.ini" "$dir/3.ini" --records R)" \
  "read completely"
cmp -s "$dir/2.ini" "$dir/3.ini"
expect "stable" "$?" "0"
finish
