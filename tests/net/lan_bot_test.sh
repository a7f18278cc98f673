#!/bin/sh
# Two lan-bots on loopback, as two copies of the program at one LAN table.
#   block:  a server and a client play two blocks of 3 kons; both end by themselves with
#           opposite scores, block by block.
#   vanish: one side is killed in the middle of a block; the other says who interrupted the
#           game and ends with status 3.
# usage: lan_bot_test.sh ZENDRAL_CLI block|vanish
set -u
cli=$1
mode=$2
work=$(mktemp -d)
pids=""
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  for f in "$work"/*; do echo "--- $f"; cat "$f"; done
  exit 1
}

# Starts a bot in the background: name, then its options. Its pid goes to $last.
bot() {
  name=$1
  shift
  timeout 60 "$cli" lan-bot "$@" >"$work/$name.out" 2>"$work/$name.err" &
  last=$!
  pids="$pids $last"
}

# Waits up to 10 s for a line matching the pattern in a bot's output.
await() {
  i=0
  while ! grep -q "$2" "$work/$1.out" 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "no '$2' from $1"
    sleep 0.1
  done
}

# The port the server bot was given by the system.
start_server() {
  bot server --server 0 --name Anna "$@"
  server=$last
  await server '^listening on port '
  port=$(sed -n 's/^listening on port //p' "$work/server.out")
}

value() {
  sed -n "s/^$2: //p" "$work/$1.out"
}

case $mode in
block)
  start_server --blocks 2 --delay 0 --timeout 30
  bot client --client "127.0.0.1:$port" --name Boris --blocks 2 --delay 0 --timeout 30
  client=$last
  wait "$client" || fail "client ended with status $?"
  wait "$server" || fail "server ended with status $?"
  grep -q '^joined: Boris$' "$work/server.out" || fail "the server never met Boris"
  grep -q '^joined: Anna$' "$work/client.out" || fail "the client never met Anna"
  [ "$(value server kons)" = 6 ] || fail "server kons"
  [ "$(value client kons)" = 6 ] || fail "client kons"
  s=$(value server score)
  c=$(value client score)
  [ -n "$s" ] && [ $((s + c)) -eq 0 ] || fail "scores $s and $c are not opposite"
  for b in 1 2; do
    sb=$(sed -n "s/^block $b: session score \([-+0-9]*\), kons 3$/\1/p" "$work/server.out")
    cb=$(sed -n "s/^block $b: session score \([-+0-9]*\), kons 3$/\1/p" "$work/client.out")
    [ -n "$sb" ] && [ -n "$cb" ] && [ $((sb + cb)) -eq 0 ] ||
      fail "block $b: scores '$sb' and '$cb' are not opposite"
  done
  ;;
vanish)
  # The client is killed while it thinks over a move.
  start_server --delay 0 --timeout 30
  bot client --client "127.0.0.1:$port" --name Boris --delay 100 --timeout 30
  await client '^joined: '
  sleep 1
  # timeout hands the signal on; the system closes the dead bot's connection.
  kill "$last"
  wait "$server"
  status=$?
  [ $status -eq 3 ] || fail "server ended with status $status, not 3"
  grep -q 'Client has interrupted game!' "$work/server.err" || fail "no message on the server"

  # The server is killed while it thinks over a move.
  rm -f "$work"/*
  start_server --delay 100 --timeout 30
  bot client --client "127.0.0.1:$port" --name Boris --delay 0 --timeout 30
  client=$last
  await client '^joined: '
  sleep 1
  kill "$server"
  wait "$client"
  status=$?
  [ $status -eq 3 ] || fail "client ended with status $status, not 3"
  grep -q 'Server has interrupted game!' "$work/client.err" || fail "no message on the client"
  ;;
*)
  fail "unknown mode $mode"
  ;;
esac
echo "ok: $mode"
