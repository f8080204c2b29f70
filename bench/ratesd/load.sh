#!/usr/bin/env bash
# Requests per second and latency percentiles of the update path with 100 concurrent keep-alive
# clients (wrk) on loopback: cambio-ratesd serving the converter's seed table, against the floor,
# a bare Qt HTTP server answering the same bytes, measured in the same run, in turns.
#   bench/ratesd/load.sh [BUILD-DIR] [SECONDS-PER-RUN] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
seconds=${2:-10}
rounds=${3:-3}
command -v wrk >/dev/null || { echo "wrk is missing: scripts/setup-deps installs it" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Only the base table, so that the network plays no part; it must count as current however old.
"$build/src/ratesd/cambio-ratesd" --listen 127.0.0.1:0 --ecb-url '' --api-url '' \
    --max-age 999999999 --state-dir "$work/state" 2>"$work/ratesd.log" &
pids+=($!)
for _ in $(seq 50); do
    grep -q 'listening on' "$work/ratesd.log" && break
    sleep 0.1
done
server_port=$(sed -n 's|.*listening on http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/ratesd.log")
path=/lab/lumenfold/update.php
curl -sf "http://127.0.0.1:$server_port$path" -o "$work/table.json"

"$build/bench/ratesd/ratesd_floor_server" "$work/table.json" >"$work/floor.port" &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/floor.port" ] && break
    sleep 0.1
done
floor_port=$(cat "$work/floor.port")

# One line: requests/s p50 p90 p99 (milliseconds).
measure() {
    wrk -t2 -c100 -d"${seconds}s" --latency "http://127.0.0.1:$1$path" | awk '
        function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; if (v ~ /s$/) return v * 1000; return v }
        $1 == "50%" { p50 = ms($2) } $1 == "90%" { p90 = ms($2) } $1 == "99%" { p99 = ms($2) }
        $1 == "Requests/sec:" { rps = $2 }
        $1 == "Non-2xx" { bad = $NF }
        END { printf "%10.0f %8.2f %8.2f %8.2f%s\n", rps, p50, p90, p99, bad ? "  (" bad " non-2xx!)" : "" }'
}

echo "body: $(stat -c %s "$work/table.json") bytes, 100 connections, ${seconds} s per run"
printf "%-14s %10s %8s %8s %8s\n" "" "requests/s" "p50 ms" "p90 ms" "p99 ms"
for round in $(seq "$rounds"); do
    printf "%-14s %s\n" "floor #$round" "$(measure "$floor_port")"
    printf "%-14s %s\n" "ratesd #$round" "$(measure "$server_port")"
done
