#!/usr/bin/env bash
# Starts the built Timer ("Kelmo /t 0", offscreen) in a scratch folder of its own with the
# built-in Kelmo.cfg (Notifier on), sends it CLIENTS x REQUESTS messages over its socket (the status message,
# or the lines given after the counts), and prints the answers lost and the Timer's memory
# (resident set) before and after each of ROUNDS rounds (default 1). The Timer is ended
# afterwards.
#   tools/timer_load.sh [BUILD_DIR] [CLIENTS] [REQUESTS] [LINE...]
set -euo pipefail
build=$(realpath "${1:-build}")
clients=${2:-20}
requests=${3:-500}
shift $(( $# < 3 ? $# : 3 ))
scratch=$(mktemp -d)
timer_pid=
cleanup() {
    [[ -n $timer_pid ]] && kill "$timer_pid" 2>/dev/null && wait "$timer_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/tmp"
cp "$build/Kelmo" "$scratch/"
"$build/kelmo_timer_load" --write-config "$scratch/Kelmo.cfg"
export TMPDIR=$scratch/tmp QT_QPA_PLATFORM=offscreen
unset XDG_RUNTIME_DIR
"$scratch/Kelmo" /t 0 >"$scratch/timer.log" 2>&1 &
timer_pid=$!
socket=$TMPDIR/KelmoTimes-$(id -u)/KelmoTimer
for _ in $(seq 100); do
    [[ -S $socket ]] && break
    sleep 0.1
done
rss() { awk '/VmRSS/ {print $2 / 1024 " MB"}' "/proc/$timer_pid/status"; }
echo "Timer memory before: $(rss)"
for round in $(seq "${ROUNDS:-1}"); do
    "$build/kelmo_timer_load" "$socket" "$clients" "$requests" "$@" || true
    sleep 1
    echo "Timer memory after round $round: $(rss)"
done
