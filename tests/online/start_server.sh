# Sourced by the zendral-cli online test scripts after they set cli and server: starts a
# zendral-server on a free loopback port with a throwaway data folder (stopped and removed on
# exit), and defines run to call zendral-cli online against it.
. "$(dirname "${BASH_SOURCE[0]}")/../tools/lib.sh"
work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A free port: the server refuses a port in use, so try a few.
for attempt in 1 2 3 4 5; do
  port=$((20000 + RANDOM % 30000))
  "$server" --listen "127.0.0.1:$port" --data "$work/data" --hash-cost minimal \
    --rate-scale 1000 >"$work/server.log" 2>&1 &
  pid=$!
  for i in $(seq 1 50); do
    if "$cli" online --base "http://127.0.0.1:$port" members >/dev/null 2>&1; then break 2; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
done
[ -n "$pid" ] || { echo "FAIL: zendral-server did not start"; cat "$work/server.log"; exit 1; }
run() { "$cli" online --base "http://127.0.0.1:$port" "$@"; }
