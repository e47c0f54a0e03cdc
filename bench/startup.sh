#!/usr/bin/env bash
# Start-up time of the window: from starting the process to the main window
# being mapped on the X display, median of N runs, and the resident memory
# of the idle program. Runs under Xvfb (needs xvfb and x11-utils' xwininfo).
#   bench/startup.sh [BINARY] [RUNS]
set -euo pipefail
bin=${1:-build/bin/qolvar}
runs=${2:-10}
if [ -z "${QOLVAR_IN_XVFB:-}" ]; then
  QOLVAR_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$bin" "$runs"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
times=()
rss=0
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  HOME=$home XDG_CONFIG_HOME=$home/.config "$bin" 2>/dev/null &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q '"Qolvar"'; do sleep 0.002; done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  if [ "$i" = 1 ]; then
    sleep 1
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to window shown (ms): ${times[*]}"
echo "median: ${sorted[$(( runs / 2 ))]} ms"
echo "idle resident memory: $((rss / 1024)) MiB ($rss KiB)"
