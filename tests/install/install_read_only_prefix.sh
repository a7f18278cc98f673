#!/usr/bin/env bash
# An install into a prefix the player may not write to: on its first start the program takes
# the per-user folder, copies the shipped club files and settings file there from
# share/zendral/, and keeps the player's results there; nothing is ever written into the prefix.
set -u
build=$1
cmake=$2
. "$(dirname "$0")/lib.sh"

prefix=$work/prefix
install_into "$prefix"
for f in bin/zendral bin/zendral-cli share/zendral/Zendral.clb share/zendral/Zendral.net \
  share/zendral/Zendral.ini share/zendral/Zendral.html; do
  expect_file "installed" "$prefix/$f"
done
expect "no shipped files beside the programs" "$(ls "$prefix/bin" | grep -c '^Zendral')" "0"
shipped=$prefix/share/zendral
# The shipped settings: every default, with the first start and the like not yet counted
# (positions 10 and 11 of the general line).
expect "shipped settings general line" "$(sed -n 2p "$shipped/Zendral.ini" | tr -d '\r')" \
  "011110141##010020011"

chmod -R a-w "$prefix"
before=$(find "$prefix" -printf '%p %s %T@\n' | sort)

# Root may write anywhere, so the program runs as an ordinary user there, as a player's would.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
player_folder() {  # player_folder DIR: a folder of the player's own, with DIR/run for Qt
  mkdir -p "$1/run"
  chmod 700 "$1/run"
  [ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$1"
}
run_player() {  # run_player HOME XDG_DATA_HOME COMMAND...: the environment of a fresh login
  local home=$1 data=$2
  shift 2
  env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" ${data:+XDG_DATA_HOME="$data"} \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen "${as_player[@]}" timeout 120 "$@"
}

# 1. The program itself, with only a home: ~/.local/share/kov-games/zendral/.
home=$work/home1
player_folder "$home"
# The service base names a closed loopback port: no club answers this start.
out=$(run_player "$home" "" env ZENDRAL_MEASURE=menu ZENDRAL_SERVICE_BASE=http://127.0.0.1:1 \
  "$prefix/bin/zendral" 2>&1)
rc=$?
expect "the program starts up to its menu" "$rc" "0"
[ "$rc" -eq 0 ] || echo "$out"
expect "the menu was painted" "$(echo "$out" | grep -c '^menu painted after')" "1"
user=$home/.local/share/kov-games/zendral
expect "local club file copied" "$(cmp "$shipped/Zendral.clb" "$user/Zendral.clb" 2>&1)" ""
expect "network club file copied" "$(cmp "$shipped/Zendral.net" "$user/Zendral.net" 2>&1)" ""
# No club server answers here, so the first start stays uncounted in the player's settings.
expect "settings file copied, first start still to count" \
  "$(sed -n 2p "$user/Zendral.ini" | tr -d '\r' | cut -c10-11)" "##"

# 2. A session's result, through the same folder rule: $XDG_DATA_HOME/kov-games/zendral/.
home=$work/home2
data=$work/data2
player_folder "$home"
player_folder "$data"
cli() { run_player "$home" "$data" "$prefix/bin/zendral-cli" "$@"; }
out=$(cli play-session --kons 2 --seed 5 --name Reader --program-folder)
expect "session played" "$?" "0"
user=$data/kov-games/zendral
expect "the per-user folder" "$(echo "$out" | sed -n 's/^program folder: //p')" "$user"
expect "result stored" "$(echo "$out" | sed -n 's/^store written: //p')" "yes"
expect "club file valid" "$(cli club check "$user/Zendral.clb")" "ok"
expect "member listed" "$(cli club list "$user/Zendral.clb" --mode 2 | grep -c '^Reader')" "1"
expect "history written" "$(cli history check "$user"/History/*.hst)" "ok 1"
expect "network club file as shipped" "$(cmp "$shipped/Zendral.net" "$user/Zendral.net" 2>&1)" ""

# 3. A later start keeps the player's files.
cli play-session --kons 1 --seed 6 --name Reader --program-folder >/dev/null
expect "second session" "$?" "0"
expect "history appended" "$(cli history check "$user"/History/*.hst)" "ok 2"
expect "club file kept" "$(cmp -s "$shipped/Zendral.clb" "$user/Zendral.clb"; echo $?)" "1"

expect "nothing written into the prefix" "$(find "$prefix" -printf '%p %s %T@\n' | sort)" "$before"
finish
