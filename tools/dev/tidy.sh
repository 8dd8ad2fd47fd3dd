#!/usr/bin/env bash
# Runs clang-tidy with the tree's .clang-tidy, one file per processor at a
# time, and fails when it finds anything.
#   tools/dev/tidy.sh              every file of src/ and tools/ the build compiles
#   tools/dev/tidy.sh --without-qt those of them not built against Qt (what CI
#                                  checks: the windows take clang-tidy four
#                                  times as long a file, see .ci/run)
#   tools/dev/tidy.sh FILE...      only those (before a commit); a header stands
#                                  for the .cpp file of its name beside it, when
#                                  there is one, whose check covers the header too
# The compile commands are those of build/, configured as ./test configures
# it when it is not yet; nothing needs to be built first.
set -euo pipefail
source "$(dirname "$0")/common.sh"
root=$(cd "$ZQ_ROOT" && pwd -P)

zq_install_missing_packages clang-tidy
database="$ZQ_BUILD_DIR/compile_commands.json"
if [ ! -f "$database" ] || ! grep -q '^ZQ_BUILD_TESTS:BOOL=ON$' "$ZQ_BUILD_DIR/CMakeCache.txt"; then
  zq_configure "$ZQ_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DZQ_BUILD_TESTS=ON
fi

files=()
if [ $# -eq 0 ] || [ "$1" = --without-qt ]; then
  # The tests and benchmarks are left out: see the README.
  mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" \
    | grep -E "^$root/(src|tools)/" | sort -u)
  if [ "${1-}" = --without-qt ]; then
    # A file built against Qt has Qt's headers in its compile command.
    mapfile -t files < <(python3 -c '
import json, sys
entries = json.load(open(sys.argv[1]))
with_qt = {entry["file"] for entry in entries if "/qt6" in entry.get("command", " ".join(entry.get("arguments", [])))}
for name in sys.stdin.read().split("\n"):
    if name and name not in with_qt:
        print(name)' "$database" < <(printf '%s\n' "${files[@]}"))
  fi
else
  for file in "$@"; do
    path=$(realpath -m "$file")
    if [[ $path == *.h && -f ${path%.h}.cpp ]]; then
      path=${path%.h}.cpp
    fi
    files+=("$path")
  done
  mapfile -t files < <(printf '%s\n' "${files[@]}" | sort -u)
fi
[ ${#files[@]} -gt 0 ] || { echo "tidy.sh: no files to check" >&2; exit 1; }

# Each file's findings are printed together, once its check is over.
check_one() {
  local output status=0
  output=$(clang-tidy -p "$ZQ_BUILD_DIR" --quiet "--header-filter=^$root/(src|tools|tests|bench)/" "$1" 2>&1) \
    || status=$?
  # clang-tidy counts the warnings it kept out of the headers of others.
  output=$(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' <<<"$output" || true)
  [ -z "$output" ] || printf '%s\n' "$output"
  return "$status"
}
export -f check_one
export ZQ_BUILD_DIR root

echo "clang-tidy: ${#files[@]} files"
if ! printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$(nproc)" bash -c 'check_one "$1"' check_one; then
  echo "clang-tidy found something to fix (above)" >&2
  exit 1
fi
