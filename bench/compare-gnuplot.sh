#!/usr/bin/env bash
# Whole-process comparison of tarlix-cli with gnuplot's pngcairo terminal: both draw 2 sin x and
# x^2 into an 800 x 600 PNG, run alternately, and the ratio of their total wall times is printed
# (tarlix-cli / gnuplot; 1 or less means tarlix-cli is as fast).
#
# usage: bench/compare-gnuplot.sh [TARLIX_CLI] [RUNS]
#   TARLIX_CLI defaults to build/bench/src/tarlix-cli (the Release build), RUNS to 20.
# gnuplot-nox is installed from Debian when missing (sudo when not root).
set -euo pipefail

cli=${1:-build/bench/src/tarlix-cli}
runs=${2:-20}

if ! command -v gnuplot >/dev/null 2>&1; then
  echo "Installing: gnuplot-nox"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends gnuplot-nox >/dev/null
fi
[ -x "$cli" ] || { echo "no tarlix-cli at $cli (build it with -DTARLIX_BENCH=ON in build/bench)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/plot.gp" <<GP
set terminal pngcairo size 800,600
set output "$work/gnuplot.png"
plot [-10:10] 2*sin(x), x**2
GP

now() { date +%s%N; }
tarlix_ns=0
gnuplot_ns=0
for ((i = 0; i < runs; i++)); do
  t0=$(now)
  "$cli" plot -y "2sin x" -y "x^2" --size 800x600 -o "$work/tarlix.png" 2>"$work/tarlix.err"
  t1=$(now)
  gnuplot "$work/plot.gp"
  t2=$(now)
  tarlix_ns=$((tarlix_ns + t1 - t0))
  gnuplot_ns=$((gnuplot_ns + t2 - t1))
  if [ -s "$work/tarlix.err" ]; then
    echo "tarlix-cli wrote on stderr:" >&2
    cat "$work/tarlix.err" >&2
    exit 1
  fi
done

awk -v t="$tarlix_ns" -v g="$gnuplot_ns" -v n="$runs" 'BEGIN {
  printf "tarlix-cli plot: %.1f ms per run\n", t / n / 1e6
  printf "gnuplot pngcairo: %.1f ms per run\n", g / n / 1e6
  printf "ratio tarlix-cli / gnuplot: %.2f (goal <= 1)\n", t / g
}'
