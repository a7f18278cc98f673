#!/usr/bin/env bash
# A club served by several servers, all on this machine: a throwaway PostgreSQL, two
# zendral-server processes on two ports over that one database, and nginx in front of them
# as the load balancer. Prints the address to point players at; Ctrl-C stops everything and
# throws the data away.
#
#   scripts/cluster-demo.sh [--port 8044] [--build build]
#
# The servers listen on the two ports after the balancer's; the first of them also runs the
# relay of the ten tournament tables, on the ten ports from the balancer's + 11 (the other
# runs none: a club has one relay). PostgreSQL takes a free port of its own; all on
# 127.0.0.1. Needs a build (scripts/build.sh) and the Debian packages postgresql and nginx
# (scripts/install-deps.sh installs both).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=8044
build=$root/build
while [ $# -gt 0 ]; do
  case $1 in
    --port) port=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    -h | --help) sed -n '2,/^set /p' "$0" | sed -n 's/^# \{0,1\}//p'; exit 0 ;;
    *) echo "cluster-demo: unknown option $1 (see --help)" >&2; exit 2 ;;
  esac
done

die() { echo "cluster-demo: $*" >&2; exit 1; }
server=$build/bin/zendral-server
[ -x "$server" ] || die "no $server: build first (bash scripts/build.sh)"
[ -x "${PG_BIN:-/usr/lib/postgresql/15/bin}/initdb" ] ||
  die "PostgreSQL is not installed (bash scripts/install-deps.sh)"
nginx=$(command -v nginx || echo /usr/sbin/nginx)
[ -x "$nginx" ] || die "nginx is not installed (bash scripts/install-deps.sh)"

# A port no socket uses (listening or connected): the first of the range that ss does not list.
port_in_use() { ss -Htan "sport = :$1" | grep -q .; }
free_port() {
  local p=$1
  while port_in_use "$p"; do p=$((p + 1)); done
  echo "$p"
}
relay_base=$((port + 10))
for p in "$port" $((port + 1)) $((port + 2)) $(seq $((relay_base + 1)) $((relay_base + 10))); do
  ! port_in_use "$p" || die "port $p is taken (choose others with --port)"
done
server_ports=($((port + 1)) $((port + 2)))
# Below the range the system hands out to outgoing connections, which ss may not yet show.
pg_port=$(free_port 29432)

work=$(mktemp -d /tmp/zendral-cluster.XXXXXX)
chmod 755 "$work"
cd "$work"
pids=()
stop_all() {
  trap - INT TERM EXIT
  echo
  echo "cluster-demo: stopping"
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  bash "$root/scripts/pg-throwaway.sh" stop "$work/pg" >/dev/null 2>&1 || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap 'stop_all; exit 0' INT TERM
trap stop_all EXIT

# Another program may take the port between the look and the start: try the next ones then.
started=
for _ in 1 2 3 4 5; do
  if bash "$root/scripts/pg-throwaway.sh" start "$work/pg" "$pg_port" >/dev/null 2>"$work/pg.err"
  then
    started=1
    break
  fi
  pg_port=$(free_port $((pg_port + 1)))
done
[ -n "$started" ] || { cat "$work/pg.err" >&2; die "PostgreSQL did not start"; }
echo "cluster-demo: PostgreSQL on 127.0.0.1:$pg_port"
database=postgresql://postgres@127.0.0.1:$pg_port/postgres

# The servers share the database (accounts, results, photos, ...); their data folder (documents,
# packs, music) is one folder here, as several machines would share it or keep copies of it.
# They trust nginx on this machine to name the players.
mkdir -p "$work/data"
relay_options=(--relay-base "$relay_base")
for i in 0 1; do
  p=${server_ports[$i]}
  echo "cluster-demo: zendral-server on 127.0.0.1:$p${relay_options[2]:+ (no relay)}"
  "$server" --listen "127.0.0.1:$p" --data "$work/data" --database "$database" \
    --public-host "127.0.0.1:$port" --trusted-proxy 127.0.0.1 "${relay_options[@]}" \
    >"$work/server$((i + 1)).log" 2>&1 &
  pids+=($!)
  relay_options+=(--no-relay)
done
for p in "${server_ports[@]}"; do
  for _ in $(seq 100); do
    port_in_use "$p" && break
    sleep 0.1
  done
  port_in_use "$p" || { cat "$work"/server*.log; die "a server did not start"; }
done

mkdir -p "$work/nginx-temp"
chmod 777 "$work/nginx-temp"
cat >"$work/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/nginx-error.log warn;
events { worker_connections 512; }
http {
  log_format balanced '\$remote_addr \$request_method \$request_uri \$status -> \$upstream_addr';
  access_log $work/nginx-access.log balanced;
  client_body_temp_path $work/nginx-temp/body;
  proxy_temp_path $work/nginx-temp/proxy;
  fastcgi_temp_path $work/nginx-temp/fastcgi;
  uwsgi_temp_path $work/nginx-temp/uwsgi;
  scgi_temp_path $work/nginx-temp/scgi;
  upstream zendral {
    server 127.0.0.1:${server_ports[0]} max_fails=1 fail_timeout=5s;
    server 127.0.0.1:${server_ports[1]} max_fails=1 fail_timeout=5s;
  }
  server {
    listen 127.0.0.1:$port;
    client_max_body_size 1m;
    location / {
      proxy_pass http://zendral;
      proxy_set_header Host \$host:\$server_port;
      proxy_set_header X-Forwarded-For \$remote_addr;
      proxy_set_header X-Forwarded-Proto \$scheme;
      proxy_next_upstream error timeout;
    }
  }
}
CONF
echo "cluster-demo: nginx on 127.0.0.1:$port in front of both"
"$nginx" -c "$work/nginx.conf" -p "$work" -g 'daemon off;' 2>>"$work/nginx-error.log" &
pids+=($!)
for _ in $(seq 100); do
  port_in_use "$port" && break
  sleep 0.1
done
port_in_use "$port" || { cat "$work/nginx-error.log"; die "nginx did not start"; }

cat <<TEXT

Players point their program at the balancer:

    ZENDRAL_SERVICE_BASE=http://127.0.0.1:$port $build/bin/zendral

Each request goes to either server; both keep everything in one database:
    $database
The first server relays the tournament tables on 127.0.0.1:$((relay_base + 1))-$((relay_base + 10)).
Logs: $work
Press Ctrl-C to stop everything (the data is thrown away).
TEXT
# Runs until Ctrl-C, or until one of the processes ends.
wait -n "${pids[@]}" || true
echo "cluster-demo: a process ended; see the logs:"
tail -n 5 "$work"/server*.log "$work/nginx-error.log" 2>/dev/null || true
