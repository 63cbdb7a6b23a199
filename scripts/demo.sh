#!/usr/bin/env bash
# Starts a simulated radio loaded with the sample plan and the window with that radio in slot
# COM1, so Read and Write work at once. Both end when the window is closed.
set -euo pipefail
build=${1:-build/release}
radio_out=$(mktemp)
"$build/src/radio/vm280-radio" --load samples/sample.DAT >"$radio_out" &
radio=$!
trap 'kill "$radio" 2>/dev/null || true; rm -f "$radio_out"' EXIT
for _ in $(seq 50); do
    [ -s "$radio_out" ] && break
    sleep 0.1
done
device=$(head -n 1 "$radio_out")
echo "demo: simulated radio on $device (COM1)" >&2
VM280_PORTS="$device" "$build/src/app/vm280"
