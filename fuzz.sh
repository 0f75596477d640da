#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs one of them (compile, eval, project, markup, formula, afterimage) or all, one after
# another, each for the given seconds (default 60). Installs clang when it is missing. Findings are written to
# build/fuzz/findings/<harness>/; turn each into a file of fuzz/regressions/<harness>/.
#   ./fuzz.sh [harness|all] [seconds]       (FUZZ_RUNS=n stops each run after n executions)
set -euo pipefail
cd "$(dirname "$0")"
harness="${1:-all}"
seconds="${2:-60}"

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev ||
    $SUDO apt-get install -y -qq --no-install-recommends clang
fi
./scripts/install-deps.sh

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-O2 -g -fsanitize=fuzzer-no-link" -DTARLIX_SANITIZE=ON -DTARLIX_FUZZ=ON \
  -DTARLIX_TESTS=OFF >/dev/null

all_harnesses=(compile eval project markup formula afterimage)
case "$harness" in
  all) harnesses=("${all_harnesses[@]}") ;;
  compile | eval | project | markup | formula | afterimage) harnesses=("$harness") ;;
  *) echo "usage: ./fuzz.sh [compile|eval|project|markup|formula|afterimage|all] [seconds]" >&2
     exit 2 ;;
esac

# The longest input each harness is given: a whole project or afterimage file (16 KiB reaches
# the axes, settings and memo sections), a long memo line, a long expression.
max_len() {
  case "$1" in
    project | afterimage) echo 16384 ;;
    markup) echo 4096 ;;
    *) echo 512 ;;
  esac
}
dict() {
  case "$1" in
    markup) echo fuzz/markup.dict ;;
    afterimage) echo fuzz/afterimage.dict ;;
    *) echo fuzz/tarlix.dict ;;
  esac
}
for h in "${harnesses[@]}"; do cmake --build build/fuzz --target "fuzz_$h"; done

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for h in "${harnesses[@]}"; do
  work="build/fuzz/corpus/$h"
  findings="build/fuzz/findings/$h"
  mkdir -p "$work" "$findings"
  echo "== fuzz_$h for $seconds s"
  # The seed corpus stays as committed; what the run learns goes to the work corpus.
  "build/fuzz/fuzz/fuzz_$h" "$work" "fuzz/corpus/$h" "fuzz/regressions/$h" \
    -dict="$(dict "$h")" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="$(max_len "$h")" -print_final_stats=1 -artifact_prefix="$findings/" \
    ${FUZZ_RUNS:+-runs=$FUZZ_RUNS}
done
