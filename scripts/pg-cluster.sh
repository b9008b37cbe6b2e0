#!/usr/bin/env bash
# A private PostgreSQL cluster for the study-database tests: its own folder, loopback only,
# password authentication, run as an unprivileged user (PostgreSQL refuses root).
#   scripts/pg-cluster.sh start DIR [PORT]   creates (when new) and starts it; prints the connection string
#   scripts/pg-cluster.sh stop DIR           stops it (the folder stays for the caller to remove)
# The superuser is "vora" with password "vora-test"; the database is "vora".
set -euo pipefail
cmd="${1:-}"
dir="${2:-}"
port="${3:-54329}"
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR [PORT]" >&2; exit 2; }

if ! ls /usr/lib/postgresql/*/bin/initdb >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends postgresql
fi
bin="$(dirname "$(ls -d /usr/lib/postgresql/*/bin/initdb | sort -V | tail -n 1)")"

# Root runs the server as nobody; anyone else runs it as themselves.
as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

case "$cmd" in
  start)
    # A folder that already holds a cluster (stopped earlier) is started again as it is.
    fresh=0
    if [ ! -d "$dir/data" ]; then
      fresh=1
      mkdir -p "$dir"
      [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$dir"
      chmod 700 "$dir"
      pw="$dir/pw"
      as_user bash -c "umask 077; printf 'vora-test\n' > '$pw'"
      as_user "$bin/initdb" -D "$dir/data" -U vora --pwfile="$pw" --auth=scram-sha-256 \
        -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    fi
    as_user "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories='$dir' -c fsync=off" start >/dev/null
    if [ "$fresh" -eq 1 ]; then
      PGPASSWORD=vora-test as_user "$bin/psql" -h 127.0.0.1 -p "$port" -U vora -d postgres -qAt \
        -c "CREATE DATABASE vora" >/dev/null
    fi
    echo "host=127.0.0.1 port=$port dbname=vora user=vora password=vora-test sslmode=disable"
    ;;
  stop)
    [ -d "$dir/data" ] && as_user "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
    ;;
  *)
    echo "usage: $0 start|stop DIR [PORT]" >&2; exit 2 ;;
esac
