#!/usr/bin/env bash
# bench/startup/measure-startup.sh [RUNS]
#
# Starts the program and a bare Qt dialog (a label, an editable combo box
# and a button) one after the other, RUNS times each (7 unless given), on a
# private Xvfb with the openbox window manager, and prints for each the
# median seconds until its first window is shown and the median resident
# memory three seconds later; also the processor time until shown, which a
# busy machine disturbs less. The program runs from a copy of the program
# folder, so the build's files stay as they are.
set -euo pipefail
runs=${1:-7}
build=$(cd "$(dirname "$0")/../.." && pwd)/build
probe=$build/bench/startup/startup_probe

work=$(mktemp -d)
display_file=$work/display
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "${openbox_pid:-}" "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$display_file")"
openbox >/dev/null 2>&1 &
openbox_pid=$!
sleep 1

cp -r "$build/program" "$work/program"
rm -f "$work/program/zq.ini"
unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

: >"$work/bare"
: >"$work/program.txt"
for _ in $(seq "$runs"); do
  "$probe" "Bare dialog" "$build/bench/startup/bare_dialog" >>"$work/bare"
  "$probe" "Log on" "$work/program/zq-typing-tutor" >>"$work/program.txt"
done
for name in bare program.txt; do
  label=$([ "$name" = bare ] && echo "bare Qt dialog" || echo "logon dialog  ")
  seconds=$(cut -d' ' -f1 "$work/$name" | median)
  mib=$(cut -d' ' -f2 "$work/$name" | median)
  cpu=$(cut -d' ' -f3 "$work/$name" | median)
  echo "$label  shown after ${seconds} s (${cpu} s of processor)   RSS 3 s later ${mib} MiB   (median of $runs)"
done
