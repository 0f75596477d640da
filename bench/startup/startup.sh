#!/usr/bin/env bash
# Start-up time of the desktop program, as a user sees it: launched under a virtual display with
# a project holding one object of every kind, until (1) the data panel is on the screen and
# (2) the graph window carries the project's name, that is, the project is read and drawn.
# Prints each run and the medians, with and without the splash's wait.
#   bench/startup/startup.sh [PROGRAM] [RUNS]    (default build/release/src/tarlix, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/../.."
program="${1:-build/release/src/tarlix}"
runs="${2:-7}"
splash=0.5
project="$PWD/bench/startup/everything.tlx"

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get install -y -qq --no-install-recommends xvfb xdotool >/dev/null
fi
[ -x "$program" ] || { echo "no program at $program (build it first: ./run.sh builds it)" >&2; exit 2; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY="$display" HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb
sleep 1

now() { date +%s.%N; }
# Seconds from start until a visible window's name matches the pattern.
wait_for() {
  local pattern="$1" start="$2"
  until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do sleep 0.002; done
  awk -v a="$(now)" -v b="$start" 'BEGIN { print a - b }'
}

panel=() opened=()
for ((i = 1; i <= runs; i++)); do
  start=$(now)
  "$program" "$project" >/dev/null 2>&1 &
  pid=$!
  p=$(wait_for '^Panel de Datos$' "$start")
  o=$(wait_for 'everything' "$start")
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  printf 'run %d: data panel %.3f s, project drawn %.3f s\n' "$i" "$p" "$o"
  panel+=("$p") opened+=("$o")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mp=$(median "${panel[@]}") mo=$(median "${opened[@]}")
printf 'median: data panel %.3f s (%.3f s beyond the splash), project drawn %.3f s (%.3f s beyond the splash)\n' \
  "$mp" "$(awk -v a="$mp" -v b=$splash 'BEGIN { print a - b }')" \
  "$mo" "$(awk -v a="$mo" -v b=$splash 'BEGIN { print a - b }')"
