#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz/) and runs each for 20 seconds
# (or FUZZ_SECONDS; the wave reader, which reads chunk headers only, and the
# keyboard description parser, a reader of short lines, for half of it),
# seeded with the shipped keyboard templates of the built program folder (run
# ./test first), their descriptions, the shipped sound cues and the samples
# in seeds/. A crash, a leak, undefined behaviour, an input that takes over
# 10 seconds or 2 GB fails the run; libFuzzer leaves the input that did it in
# build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-20}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZQ_CORE_ONLY=ON -DZQ_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  >/dev/null
# Only the fuzz targets: the unit tests already ran under the sanitizers.
cmake --build "$build" -j "$(nproc)" \
  --target template_fuzzer packet_fuzzer description_fuzzer ini_fuzzer rtf_fuzzer wave_fuzzer dictionary_fuzzer \
  game_timing_fuzzer \
  template_entries

templates=("$root"/build/program/Courses/*/layout.zqt)
[ -e "${templates[0]}" ] || { echo "no built keyboard templates: run ./test first" >&2; exit 1; }
corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"/{template,packet,description,ini,rtf,wave,dictionary,game_timing}
for layout in "${templates[@]}"; do
  cp "$layout" "$corpus/template/$(basename "$(dirname "$layout")").zqt"
  "$build/tests/fuzz/template_entries" "$layout" "$corpus/packet" "$corpus/template"
done
for description in "$root"/data/Courses/*/layout.zqtd; do
  cp "$description" "$corpus/description/$(basename "$(dirname "$description")").zqtd"
done
cp "$root"/tests/fuzz/seeds/ini/* "$corpus/ini/"
cp "$root"/tests/fuzz/seeds/rtf/* "$corpus/rtf/"
cp "$root"/tests/fuzz/seeds/dictionary/* "$corpus/dictionary/"
cp "$root"/tests/fuzz/seeds/game_timing/* "$corpus/game_timing/"
cp "$root"/data/media/*.wav "$corpus/wave/"

# The targets write their input to a file: memory is quicker than a disk.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

cd "$build"
fuzz() {
  local target=$1 time=$2
  echo "Fuzzing the $target reader for $time seconds"
  "tests/fuzz/${target}_fuzzer" -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$corpus/$target" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "the $target reader failed under fuzzing" >&2; exit 1; }
}
for target in template packet ini rtf dictionary game_timing; do
  fuzz "$target" "$seconds"
done
fuzz description $(((seconds + 1) / 2))
fuzz wave $(((seconds + 1) / 2))
