#!/usr/bin/env bash
# A throwaway PostgreSQL 15 cluster for tests, in a folder of its own.
#
#   scripts/pg-throwaway.sh start DIR PORT   fresh cluster in DIR (anything there is removed),
#                                            listening only on 127.0.0.1:PORT, trust for
#                                            loopback, superuser "postgres", database
#                                            "postgres": postgresql://postgres@127.0.0.1:PORT/postgres
#   scripts/pg-throwaway.sh stop DIR         stops it and removes DIR
#
# Uses initdb/pg_ctl of Debian's postgresql package (/usr/lib/postgresql/15/bin, or PG_BIN).
# Run as root (CI), the cluster runs as the "postgres" user through runuser; otherwise as the
# calling user. No system cluster or service is touched. CTest registers start and stop as
# fixtures (FIXTURES_SETUP / FIXTURES_CLEANUP), so "ctest" alone starts and stops it.
set -euo pipefail

PG_BIN=${PG_BIN:-/usr/lib/postgresql/15/bin}
command=${1:-}
dir=${2:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
  echo "usage: $0 start DIR PORT | stop DIR" >&2
  exit 2
fi
dir=$(realpath -m "$dir")

as_owner() {
  if [ "$(id -u)" = 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop_cluster() {
  if [ -f "$dir/data/postmaster.pid" ]; then
    as_owner "$PG_BIN/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
}

case "$command" in
  start)
    port=${3:?usage: $0 start DIR PORT}
    stop_cluster
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$(id -u)" = 0 ]; then chown postgres: "$dir"; fi
    as_owner "$PG_BIN/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --no-locale \
      >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
    # Speed over durability: the cluster lives for one test run.
    if ! as_owner "$PG_BIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start \
      -o "-c listen_addresses=127.0.0.1 -p $port -c unix_socket_directories='$dir' -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
      >/dev/null; then
      cat "$dir/server.log" >&2
      exit 1
    fi
    echo "PostgreSQL on postgresql://postgres@127.0.0.1:$port/postgres ($dir)"
    ;;
  stop)
    stop_cluster
    rm -rf "$dir"
    ;;
  *)
    echo "usage: $0 start DIR PORT | stop DIR" >&2
    exit 2
    ;;
esac
