#!/usr/bin/env bash
# cambio-ratesd against a static file server, measured side by side in one run: nginx (one worker,
# access log off, the same body from a file at the same path) is the floor. wrk asks on loopback
# with 64 keep-alive connections (requests per second) and with 512 (latency percentiles), in
# turns, each run bounded in time. The rates server's resident memory is shown before and after.
#   bench/ratesd/load.sh [BUILD-DIR] [SECONDS-PER-RUN] [ROUNDS]
# Goals: at 64 connections at least 0.9x nginx's requests per second; at 512 a p99 within 2x
# nginx's; memory flat over a million requests (run with e.g. 10 s and 3 rounds to pass a million).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
seconds=${2:-10}
rounds=${3:-3}
for tool in wrk nginx curl; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] \
        || { echo "$tool is missing: scripts/setup-deps installs it" >&2; exit 1; }
done
nginx=$(command -v nginx || echo /usr/sbin/nginx)

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Only the base table, so that the network plays no part; it must count as current however old.
"$build/src/ratesd/cambio-ratesd" --listen 127.0.0.1:0 --ecb-url '' --api-url '' \
    --max-age 315360000 --state-dir "$work/state" 2>"$work/ratesd.log" &
ratesd_pid=$!
pids+=("$ratesd_pid")
for _ in $(seq 50); do
    grep -q 'listening on' "$work/ratesd.log" && break
    sleep 0.1
done
server_port=$(sed -n 's|.*listening on http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/ratesd.log")
path=/lab/lumenfold/update.php
mkdir -p "$work/www/lab/lumenfold"
curl -sf "http://127.0.0.1:$server_port$path" -o "$work/www$path"

# nginx on a port the system has just handed out and taken back.
nginx_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
chmod -R a+rX "$work"
cat >"$work/nginx.conf" <<EOF
worker_processes 1;
daemon off;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 4096; }
http {
    access_log off;
    types { }
    default_type application/json;
    sendfile on;
    tcp_nopush on;
    open_file_cache max=16;
    keepalive_timeout 5s;
    keepalive_requests 1000000;
    client_body_temp_path $work/client;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    server {
        listen 127.0.0.1:$nginx_port;
        root $work/www;
    }
}
EOF
"$nginx" -c "$work/nginx.conf" 2>>"$work/nginx-error.log" &
pids+=($!)
for _ in $(seq 50); do
    curl -sf "http://127.0.0.1:$nginx_port$path" -o /dev/null && break
    sleep 0.1
done
cmp -s <(curl -sf "http://127.0.0.1:$nginx_port$path") "$work/www$path" \
    || { echo "nginx does not serve the body:" >&2; cat "$work/nginx-error.log" >&2; exit 1; }

resident() { awk '$1 == "VmRSS:" { r = $2 } $1 == "VmHWM:" { h = $2 } END { print r " KiB (peak " h " KiB)" }' "/proc/$ratesd_pid/status"; }

# One line: requests/s p50 p90 p99 (milliseconds); the rates server's requests are counted in a file.
measure() {
    local output
    output=$(wrk -t1 -c"$2" -d"${seconds}s" --latency "http://127.0.0.1:$1$path")
    [ "$1" = "$server_port" ] && awk '/requests in/ { print $1 }' <<<"$output" >>"$work/requests"
    awk '
        function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; if (v ~ /s$/) return v * 1000; return v }
        $1 == "50%" { p50 = ms($2) } $1 == "90%" { p90 = ms($2) } $1 == "99%" { p99 = ms($2) }
        $1 == "Requests/sec:" { rps = $2 }
        $1 == "Non-2xx" { bad = $NF } $1 == "Socket" { errors = $0 }
        END { printf "%10.0f %8.2f %8.2f %8.2f%s%s\n", rps, p50, p90, p99, bad ? "  (" bad " non-2xx!)" : "", errors ? "  (" errors ")" : "" }' <<<"$output"
}

echo "body: $(stat -c %s "$work/www$path") bytes, ${seconds} s per run; cambio-ratesd $(resident)"
printf "%-16s %10s %8s %8s %8s\n" "" "requests/s" "p50 ms" "p90 ms" "p99 ms"
for round in $(seq "$rounds"); do
    for connections in 64 512; do
        printf "%-16s %s\n" "nginx  c$connections #$round" "$(measure "$nginx_port" "$connections")"
        printf "%-16s %s\n" "ratesd c$connections #$round" "$(measure "$server_port" "$connections")"
    done
done
echo "cambio-ratesd after $(awk "{ n += \$1 } END { print n }" "$work/requests") requests: $(resident)"
