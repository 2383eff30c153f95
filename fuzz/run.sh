#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, ASan and UBSan into build-fuzz, then runs
# every target for SECONDS seconds, all at once, each on one core and on a copy of its seed
# corpus (the corpus in the repository does not grow). Prints each target's figures.
# Usage: fuzz/run.sh SECONDS
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz

bash "$root/tools/install-packages.sh"
# clang, and the runtimes of its sanitizers; libclang-rt-14-dev holds libFuzzer.
fuzz_packages=(clang libclang-rt-14-dev)
installed=$(dpkg-query -W -f='${Status}\n' "${fuzz_packages[@]}" 2>/dev/null | grep -c 'ok installed' || true)
if [[ $installed != "${#fuzz_packages[@]}" ]]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${fuzz_packages[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVT_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
targets=()
for source in "$root"/fuzz/*Fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j 3 --target "${targets[@]}"

# Every input writes a few small files: in a memory file system the targets run several
# times faster.
if [[ -d /dev/shm && -w /dev/shm ]]; then
  export TMPDIR=/dev/shm
fi
core=0
for target in "${targets[@]}"; do
  work=$build/runs/$target
  rm -rf "$work"
  mkdir -p "$work/corpus"
  cp "$root/fuzz/corpus/$target/"* "$work/corpus/"
  (cd "$work" && if taskset -c "$core" "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    corpus >log 2>&1; then echo 0; else echo $?; fi >status) &
  core=$(((core + 1) % $(nproc)))
done
wait

# A figure of libFuzzer's last status line, and one of its final statistics.
field() { grep -E '^#[0-9]+.*cov: ' "$2" | tail -n 1 | sed -nE "s/.* $1 ([0-9]+).*/\\1/p"; }
stat() { sed -nE "s/^stat::$1: *([0-9]+)/\\1/p" "$2"; }

printf '%-14s %12s %9s %6s %8s %7s  %s\n' target executions exec/s cov features corpus result
for target in "${targets[@]}"; do
  work=$build/runs/$target
  result="no crash"
  if [[ $(cat "$work/status") != 0 ]]; then
    result="CRASHED: $(sed -n 's/.*Test unit written to \.\///p' "$work/log") in $work (see log)"
  fi
  printf '%-14s %12s %9s %6s %8s %7s  %s\n' "$target" "$(stat number_of_executed_units "$work/log")" \
    "$(stat average_exec_per_sec "$work/log")" "$(field cov: "$work/log")" "$(field ft: "$work/log")" \
    "$(field corp: "$work/log")" "$result"
done
