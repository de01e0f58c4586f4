#!/usr/bin/env bash
# The naming service against nginx on loopback, run by hand (not a test):
#   bash bench/service/run_wrk.sh [build-dir] [seconds]
# wrk asks the service for /showName.php with limit 200 (a POST, like the client) at 64 connections, then asks nginx
# for a static page of the same size; both log each request to /dev/null. Prints requests per second, the p99
# latency and the service's peak resident memory. Goal: at least half of nginx's rate, p99 under 10 ms, resident
# memory under 64 MB.
# Needs wrk and nginx-light (scripts/packages.txt); builds the service if the build has none.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/native}
seconds=${2:-10}
connections=64
threads=2
service_port=28731
nginx_port=28732
work=$(mktemp -d)
service_pid=""
nginx_pid=""

cleanup() {
    [[ -n "$service_pid" ]] && kill "$service_pid" 2>/dev/null || true
    [[ -n "$nginx_pid" ]] && kill "$nginx_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if [[ ! -x "$build/service/naming-service" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j2 --target naming-service >/dev/null
fi

body='xing=%D5%C5&gender=male&num=2&limit=200'
"$build/service/naming-service" --port "$service_port" --threads "$threads" >/dev/null 2>"$work/service.err" &
service_pid=$!
for _ in $(seq 50); do
    curl -s -o /dev/null "http://127.0.0.1:$service_port/" && break
    sleep 0.1
done

# A static page as large as the service's reply, served by nginx with a configuration of its own.
mkdir -p "$work/html" "$work/logs"
curl -s -X POST --data "$body" "http://127.0.0.1:$service_port/showName.php" >"$work/html/page.html"
page_bytes=$(stat -c %s "$work/html/page.html")
cat >"$work/nginx.conf" <<EOF
worker_processes $threads;
daemon off;
pid $work/nginx.pid;
error_log $work/logs/error.log;
events { worker_connections 1024; }
http {
    access_log /dev/null;
    sendfile on;
    tcp_nopush on;
    keepalive_requests 1000000;
    client_body_temp_path $work/body;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    server {
        listen 127.0.0.1:$nginx_port;
        root $work/html;
        location / { default_type "text/html; charset=GBK"; }
    }
}
EOF
nginx -c "$work/nginx.conf" -p "$work" &
nginx_pid=$!
sleep 0.5

cat >"$work/post.lua" <<EOF
wrk.method = "POST"
wrk.body = "$body"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
EOF

run() { # label url [wrk options...]
    local label=$1 url=$2
    shift 2
    wrk -t"$threads" -c"$connections" -d"${seconds}s" --latency "$@" "$url" >"$work/$label.txt"
    local rate p99
    rate=$(awk '/Requests\/sec/ {print $2}' "$work/$label.txt")
    p99=$(awk '$1 == "99%" {print $2}' "$work/$label.txt")
    printf '%-16s %10s req/s   p99 %s\n' "$label" "$rate" "$p99"
}

echo "page: $page_bytes bytes; $connections connections, $threads wrk threads, ${seconds}s each"
run naming-service "http://127.0.0.1:$service_port/showName.php" -s "$work/post.lua"
run nginx "http://127.0.0.1:$nginx_port/page.html"
echo "naming-service peak resident memory: $(awk '/VmHWM/ {print $2, $3}' "/proc/$service_pid/status")"
