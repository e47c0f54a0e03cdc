#!/usr/bin/env bash
# Start-up time of the program against a plain Qt window of the same size,
# both from starting the process to their first frame on the X display,
# measured in the same run under Xvfb; and the resident memory of the idle
# program.
#   bench/startup.sh [BUILD_DIR] [RUNS]
#
# Both binaries print the wall-clock time once their window has painted its
# first frame and end there (QOLVAR_STARTUP_PROBE, src/app/firstframe.h);
# the time from just before the start is one run. The plain window
# (bench/startup_plain.cpp) takes the program's window size from its first
# run; then the two are started alternately, RUNS times each, so that a
# slower or busier moment weighs on both alike. Prints every time, the
# medians and their ratio, and the median of the plain window showing one
# line of text (startup_plain … label). Needs xvfb (and x11-utils' xwininfo for the
# memory figure). Both run under a private D-Bus session bus (dbus-run-session)
# when none is set, as on a desktop: without a bus, Qt tries to start one the
# first time a window makes a menu bar (a fork and exec that no desktop user
# pays and the plain window, having no menu bar, never does).
set -euo pipefail
build=${1:-build}
runs=${2:-20}
if [ -z "${QOLVAR_IN_XVFB:-}" ]; then
  cmake --build "$build" -j1 --target qolvar startup_plain >/dev/null
  bus=()
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    bus=(dbus-run-session --)
  fi
  QOLVAR_IN_XVFB=1 exec "${bus[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
bin=$build/bin/qolvar
plain=$build/bin/startup_plain
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share

# One start to the first frame; prints the milliseconds of wall-clock and
# of processor time and the window size.
probe() {
  local start out
  start=$(date +%s%N)
  out=$(QOLVAR_STARTUP_PROBE=1 "$@" 2>/dev/null)
  set -- $out
  echo "$(( ($1 - start) / 1000000 )) $(( $4 / 1000000 )) $2 $3"
}

# A first start of each to warm the file cache; it also gives the size.
read -r _ _ width height < <(probe "$bin")
probe "$plain" "$width" "$height" >/dev/null
program=() yardstick=() programCpu=() yardstickCpu=() labelled=()
for _ in $(seq "$runs"); do
  read -r t c _ < <(probe "$bin")
  program+=("$t") programCpu+=("$c")
  read -r t c _ < <(probe "$plain" "$width" "$height")
  yardstick+=("$t") yardstickCpu+=("$c")
  read -r t _ < <(probe "$plain" "$width" "$height" label)
  labelled+=("$t")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
mp=$(median "${program[@]}")
my=$(median "${yardstick[@]}")
echo "window ${width}x${height}, $runs runs each"
echo "qolvar to first frame (ms):       ${program[*]}"
echo "plain window to first frame (ms): ${yardstick[*]}"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "median: qolvar $mp ms, plain window $my ms, ratio $(ratio "$mp" "$my")"
# The plain window with one line of text: what text alone costs.
ml=$(median "${labelled[@]}")
echo "plain window with one line of text: median $ml ms, ratio to the plain window $(ratio "$ml" "$my")"
# Processor time to the first frame: what the program itself spends, less
# sensitive to other load on the machine than the wall clock.
cp=$(median "${programCpu[@]}")
cy=$(median "${yardstickCpu[@]}")
echo "processor time (ms): qolvar ${programCpu[*]}; plain ${yardstickCpu[*]}"
echo "median processor time: qolvar $cp ms, plain window $cy ms, ratio $(ratio "$cp" "$cy")"

# The idle program's resident memory, a second after its window is mapped.
if command -v xwininfo >/dev/null; then
  "$bin" 2>"$home/stderr" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null && ! xwininfo -root -tree 2>/dev/null | grep -q '"Qolvar"'; do sleep 0.01; done
  sleep 1
  if rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status 2>/dev/null); then
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "idle resident memory: $((rss / 1024)) MiB ($rss KiB)"
  else
    echo "the program ended before its memory was read:"; cat "$home/stderr"
  fi
fi
