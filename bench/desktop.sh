#!/usr/bin/env bash
# Measures the real timer beside the floor program under a virtual X server with a session bus,
# alternating them: time from start to the first mapped window (median of 7 pairs, timed by
# tempiro_mapwait from the fork to the X server's MapNotify), resident memory after 5 s, and CPU
# seconds used over 60 s of counting. Prints each figure and its ratio to the floor.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
if [ "${2:-}" != --inside ]; then
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$bin" --inside
fi
home=$(mktemp -d)
# A desktop session's runtime folder is in memory (/run/user/UID); without one, Qt would make
# it on disk, where the one-copy lock's write waits for the disk.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$home" "$runtime"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$runtime
# The interface's language: English by default, for which nothing is loaded;
# TEMPIRO_BENCH_LANG=de_DE.UTF-8 measures a start that loads a translation and Qt's own.
export LANG=${TEMPIRO_BENCH_LANG:-C.UTF-8}

# A panel's notification area (a stand-in StatusNotifierWatcher), so that the timer's figures
# include its item, as on a desktop that shows it.
standins=$(cd "$(dirname "$0")/../tests/support" && pwd)/desktop-standins.py
if /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null; then
    /usr/bin/python3 "$standins" "$home/desktop.log" &
    standin=$!
    trap 'kill $standin 2>/dev/null; rm -rf "$home" "$runtime"' EXIT
    for _ in $(seq 100); do grep -q '"ready"' "$home/desktop.log" 2>/dev/null && break; sleep 0.1; done
    grep -q '"ready"' "$home/desktop.log" || { echo "the stand-in watcher did not start in 10 s"; exit 1; }
    # And the system's services the timer asks once its window is up (logind, timedate1), on a
    # bus standing for the system bus.
    system=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SYSTEM_BUS_ADDRESS=$(sed -n 1p <<<"$system")
    /usr/bin/python3 "$(dirname "$standins")/system-standins.py" "$home/system.log" --synchronised &
    system_standin=$!
    system_bus=$(sed -n 2p <<<"$system")
    trap 'kill $standin $system_standin $system_bus 2>/dev/null; rm -rf "$home" "$runtime"' EXIT
    for _ in $(seq 100); do grep -q '"ready"' "$home/system.log" 2>/dev/null && break; sleep 0.1; done
    echo "with the notification-area item shown (stand-in watcher) and stand-in logind and timedate1"
else
    echo "without a notification area (python3-dbus missing)"
fi

# Milliseconds from start until the program's first window is mapped.
startup_ms() { "$bin/tempiro_mapwait" "$1" 2>/dev/null; }

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# CPU time in nanoseconds: clock ticks (10 ms) are too coarse for an idle minute.
cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

# One start of each first, not counted: the first start after the X server's pays for what is
# cold on the machine (pages of the shared libraries, the fresh home's caches), whichever
# program comes first.
startup_ms "$bin/tempiro" >/dev/null
startup_ms "$bin/tempiro_floor" >/dev/null
timer_runs=() floor_runs=()
for _ in 1 2 3 4 5 6 7; do
    timer_runs+=("$(startup_ms "$bin/tempiro")")
    floor_runs+=("$(startup_ms "$bin/tempiro_floor")")
done
timer_start=$(printf '%s\n' "${timer_runs[@]}" | median)
floor_start=$(printf '%s\n' "${floor_runs[@]}" | median)

"$bin/tempiro" >/dev/null 2>&1 & timer=$!
"$bin/tempiro_floor" >/dev/null 2>&1 & floor=$!
sleep 5
timer_rss=$(rss_kib "$timer"); floor_rss=$(rss_kib "$floor")
timer_cpu0=$(cpu_ns "$timer"); floor_cpu0=$(cpu_ns "$floor")
sleep 60
timer_cpu=$(awk -v a="$(cpu_ns "$timer")" -v b="$timer_cpu0" 'BEGIN {printf "%.3f", (a - b) / 1e9}')
floor_cpu=$(awk -v a="$(cpu_ns "$floor")" -v b="$floor_cpu0" 'BEGIN {printf "%.3f", (a - b) / 1e9}')
kill "$timer" "$floor"
wait "$timer" "$floor" 2>/dev/null || true
if [ -n "${standin:-}" ] && ! grep -q '"registered"' "$home/desktop.log"; then
    echo "the timer's item never registered: the figures are without it"
fi

printf '%-26s %10s %10s %7s\n' figure tempiro floor ratio
printf '%-26s %10s %10s %7s\n' "startup to window (ms)" "$timer_start" "$floor_start" "$(ratio "$timer_start" "$floor_start")"
printf '%-26s %10s %10s %7s\n' "resident memory (KiB)" "$timer_rss" "$floor_rss" "$(ratio "$timer_rss" "$floor_rss")"
printf '%-26s %10s %10s %7s\n' "CPU over 60 s counting (s)" "$timer_cpu" "$floor_cpu" "$(ratio "$timer_cpu" "$floor_cpu")"
