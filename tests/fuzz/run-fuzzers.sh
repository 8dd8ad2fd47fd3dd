#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize/, see tools/dev/common.sh)
# and runs each for 10 seconds (or FUZZ_SECONDS; the wave reader, which
# reads chunk headers only, and the keyboard description parser, a reader
# of short lines, for half of it), one target per processor at a time,
# seeded with the shipped keyboard templates of the built program folder
# (run ./test first), their descriptions, the shipped sound cues and
# profile file, a practice history of every version (made by history_seeds)
# and the samples in seeds/. A crash, a leak, undefined behaviour, an input that
# takes over 10 seconds or 2 GB fails the run; libFuzzer leaves the input
# that did it in build-sanitize/.
set -euo pipefail
source "$(dirname "$0")/../../tools/dev/common.sh"
root=$ZQ_ROOT
build=$ZQ_SANITIZE_DIR
seconds=${FUZZ_SECONDS:-10}

zq_configure_sanitize
# Only the fuzz targets: the unit tests are run by .ci/run.
cmake --build "$build" -j "$(nproc)" \
  --target template_fuzzer packet_fuzzer description_fuzzer ini_fuzzer rtf_fuzzer wave_fuzzer dictionary_fuzzer \
  game_timing_fuzzer course_text_fuzzer profile_fuzzer history_fuzzer \
  template_entries history_seeds

templates=("$root"/build/program/Courses/*/layout.zqt)
[ -e "${templates[0]}" ] || { echo "no built keyboard templates: run ./test first" >&2; exit 1; }
corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"/{template,packet,description,ini,rtf,wave,dictionary,game_timing,course_text,profile,history}
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
cp "$root"/data/zqc.ini "$root"/tests/fuzz/seeds/ini/* "$corpus/profile/"
"$build/tests/fuzz/history_seeds" "$corpus/history"
for course in "$root"/data/Courses/*/; do
  cp "$course/Practice.txt" "$corpus/course_text/$(basename "$course").txt" 2>/dev/null || true
done

# The targets write their input to a file: memory is quicker than a disk.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

cd "$build"
# fuzz TARGET SECONDS: fuzzes one reader, its report kept until it is over.
fuzz() {
  local target=$1 time=$2 status=0
  "tests/fuzz/${target}_fuzzer" -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$corpus/$target" >"fuzz-$target.log" 2>&1 || status=$?
  echo "Fuzzed the $target reader for $time seconds"
  tail -n 12 "fuzz-$target.log"
  [ "$status" -eq 0 ] || echo "the $target reader failed under fuzzing" >&2
  return "$status"
}
# Each libFuzzer run uses one processor: as many run at once as there are.
lanes=$(nproc)
runs=()
for run in template:"$seconds" packet:"$seconds" ini:"$seconds" rtf:"$seconds" dictionary:"$seconds" \
  game_timing:"$seconds" course_text:"$seconds" profile:"$seconds" history:"$seconds" \
  description:$(((seconds + 1) / 2)) wave:$(((seconds + 1) / 2)); do
  while [ "$(jobs -rp | wc -l)" -ge "$lanes" ]; do
    wait -n || true
  done
  fuzz "${run%%:*}" "${run##*:}" &
  runs+=($!)
done
failed=0
for pid in "${runs[@]}"; do
  wait "$pid" || failed=1
done
exit "$failed"
