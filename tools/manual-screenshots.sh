#!/usr/bin/env bash
# Takes the pictures of the help manual from the real program. Each language
# runs in a private Xvfb with the openbox window manager; the script presses
# keys as a learner would (xdotool) and cuts every picture from the screen
# around the program's windows.
#
#   tools/manual-screenshots.sh [LANGUAGE...]     en, fr and de by default
#
# Run ./run or ./test first: the program is taken from build/program/. The
# pictures go to data/help/images/<language>/; run the script again whenever
# a window changes.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
built="$root/build/program"
template_tool="$root/build/program/zq-template"
screen_size=1152x864
page_width=700
# Between keys, in milliseconds: xdotool waits half of it after a press and
# half after the release, so 400 gives about 300 keys a minute.
key_delay=400

for tool in Xvfb openbox xdotool xwininfo xprop import convert identify display gettext; do
  command -v "$tool" >/dev/null || { echo "manual-screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$built/zq-typing-tutor" ] && [ -x "$template_tool" ] || { echo "manual-screenshots: build the program first (./run or ./test)" >&2; exit 1; }

# What the script starts is stopped on exit, by process id.
background_pids=()
temporary_paths=()
stop_background() {
  local pid
  for pid in "${background_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${background_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  background_pids=()
  [ ${#temporary_paths[@]} -eq 0 ] || rm -rf "${temporary_paths[@]}"
  temporary_paths=()
}
trap stop_background EXIT

say() { echo "manual-screenshots [$lang]: $*" >&2; }

# --- The language of a run -------------------------------------------------

# The program's translation of one of its texts.
text() { LANGUAGE=$lang LC_ALL=C.UTF-8 TEXTDOMAINDIR="$folder/locale" gettext -d default -- "$1"; }

# The Alt key of a button, from the letter its translated caption marks with
# "&": "&Course" gives alt+c.
mnemonic() {
  local caption letter
  caption=$(text "$1")
  letter=${caption#*&}
  letter=${letter:0:1}
  printf 'alt+%s' "${letter,,}"
}

# --- Windows ---------------------------------------------------------------

# The program's visible windows.
program_windows() { xdotool search --onlyvisible --class zq-typing-tutor 2>/dev/null || true; }

window_name() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits until a visible window of the program has a title that begins with
# the text, and prints its id.
wait_for_window() {
  local prefix=$1 window
  for _ in $(seq 150); do
    for window in $(program_windows); do
      if [[ "$(window_name "$window")" == "$prefix"* ]]; then
        sleep 0.6 # painted
        echo "$window"
        return 0
      fi
    done
    sleep 0.1
  done
  say "no window \"$prefix\" appeared"
  return 1
}

# Waits until the active window is not the given one (a dialog opened or
# closed), and prints the new one.
wait_for_other_active() {
  local before=$1 now
  for _ in $(seq 150); do
    now=$(xdotool getactivewindow 2>/dev/null || true)
    if [ -n "$now" ] && [ "$now" != "$before" ]; then
      sleep 0.6
      echo "$now"
      return 0
    fi
    sleep 0.1
  done
  say "the active window stayed $before"
  return 1
}

keys() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true; shift; xdotool key --delay 120 "$@"; }
type_text() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true; xdotool type --delay "$key_delay" -- "$2"; }

# The screen rectangle of a window with its frame: "left top right bottom".
frame_of() {
  local info x y w h extents l r t b
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
  echo "$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
}

# Saves NAME.png: the part of the screen that holds the given windows (all
# the program's visible windows when none are given), with a small margin.
shoot() {
  local name=$1 window left=100000 top=100000 right=0 bottom=0 l t r b
  shift
  local windows=("$@")
  [ ${#windows[@]} -gt 0 ] || mapfile -t windows < <(program_windows)
  for window in "${windows[@]}"; do
    read -r l t r b < <(frame_of "$window")
    ((l < left)) && left=$l
    ((t < top)) && top=$t
    ((r > right)) && right=$r
    ((b > bottom)) && bottom=$b
  done
  local width=${screen_size%x*} height=${screen_size#*x} margin=12
  left=$((left - margin < 0 ? 0 : left - margin))
  top=$((top - margin < 0 ? 0 : top - margin))
  right=$((right + margin > width ? width : right + margin))
  bottom=$((bottom + margin > height ? height : bottom + margin))
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/$name.png"
  fit "$name"
}

# The manual shows every picture at its own size: wider ones are made
# $page_width pixels wide, which the help window shows whole.
fit() {
  convert "$out/$1.png" -resize "${page_width}x>" -strip "$out/$1.png"
  say "$1.png ($(identify -format '%wx%h' "$out/$1.png"))"
}

# Saves NAME.png of the whole screen.
shoot_screen() {
  import -window root "$out/$1.png"
  fit "$1"
}

# --- One language ----------------------------------------------------------

# A profile file with the learner of the pictures and a second user, from the
# shipped "Default" profile.
write_profiles() {
  local user=$1 course=$2 layout=$3 progress=$4 other=$5
  {
    sed -e "s/^\[Default\]/[$user]/" -e "s/^Course=.*/Course=$course/" \
      -e "s/^KeyboardLayout=.*/KeyboardLayout=$layout/" -e "s/^Progress=.*/Progress=$progress/" \
      -e "s/^TimeTotal=.*/TimeTotal=15780000/" "$root/data/zqc.ini"
    echo
    sed -e "s/^\[Default\]/[$other]/" -e "s/^Course=.*/Course=$course/" \
      -e "s/^KeyboardLayout=.*/KeyboardLayout=$layout/" "$root/data/zqc.ini"
  } >"$folder/zqc.ini"
  printf '[General]\nUser=%s\n' "$user" >"$folder/zq.ini"
}

start_display() {
  local display_file
  display_file=$(mktemp)
  temporary_paths+=("$display_file")
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${screen_size}x24" 3>"$display_file" >/dev/null 2>&1 &
  background_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  [ -s "$display_file" ] || { say "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n 1 "$display_file")"
  # A quiet desktop colour behind the windows.
  convert -size "$screen_size" xc:'#6f8fa8' "$folder/desktop.png"
  display -window root "$folder/desktop.png" 2>/dev/null || true # it sets the colour, then reports 1
  openbox >/dev/null 2>&1 &
  background_pids+=($!)
  sleep 1
}

# Takes every picture in one language. ARGUMENT is what the program gets on
# its command line; the course and the keyboard layout are the language's.
take_pictures() {
  lang=$1
  local argument user other new course layout progress lit text_file words
  case $lang in
    en) argument=en_US user=Alex other=Sam new=Robin course=English layout=00000409 progress=37 lit=@
        words=(dash flash glass kale) ;;
    fr) argument=fr_FR user=Camille other=Louis new=Léa course=Francais layout=0000040C progress=37 lit=é
        words=(dalle flamme glace jasmin) ;;
    de) argument=de_DE user=Jonas other=Mia new=Lukas course=Deutsch layout=00000407 progress=38 lit=ü
        words=(Salz Fell Glas Kahn) ;;
    *) echo "manual-screenshots: no pictures for the language \"$lang\" (en, fr, de)" >&2; exit 2 ;;
  esac
  out="$root/data/help/images/$lang"
  mkdir -p "$out"

  folder=$(mktemp -d)
  temporary_paths+=("$folder")
  cp -r "$built/." "$folder/"
  rm -f "$folder/zq.ini" "$folder/zqgame.ini" "$folder/zqstats.db"*
  write_profiles "$user" "$course" "$layout" "$progress" "$other"
  # The sentence drill draws from a single sentence, so that the script
  # knows what to type.
  local sentence
  sentence=$(head -n 1 "$folder/Courses/$course/Practice.txt")
  printf '%s\n' "$sentence" >"$folder/Courses/$course/Practice.txt"
  local course_line
  course_line=$(sed -n "$((progress + 1))p" "$folder/Courses/$course/course.txt")
  # A text for the paragraph drill: four sentences of the course's own.
  text_file="$folder/paragraph.txt"
  sed -n '2,5p' "$root/data/Courses/$course/Practice.txt" >"$text_file"
  # The game drops a few words, each many times. No inner letter of a word
  # begins another one, so that typing one never catches another.
  local word
  for _ in $(seq 10); do
    for word in "${words[@]}"; do printf '%s ' "$word"; done
  done >"$folder/Courses/$course/Game.txt"

  # Three weeks of practice in the history, for the progress window.
  "$folder/zq-stats" generate 21 "$user" "$course" >/dev/null

  start_display

  "$folder/zq-typing-tutor" "$argument" >"$folder/program.log" 2>&1 &
  local program=$!
  background_pids+=("$program")

  # Log on.
  local logon main drill dialog
  logon=$(wait_for_window "$(text "Log on")")
  shoot logon "$logon"
  # Add User opens the profile dialog on a copy of the chosen user.
  keys "$logon" "$(mnemonic "&Add User")"
  dialog=$(wait_for_window "$(text "Profile")")
  keys "$dialog" ctrl+a
  type_text "$dialog" "$new"
  shoot add-user "$dialog"
  keys "$dialog" Escape
  logon=$(wait_for_window "$(text "Log on")")
  keys "$logon" Return
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  shoot main "$main"

  # The course drill, in the middle of a line with one wrong key.
  keys "$main" "$(mnemonic "&Course")"
  drill=$(wait_for_window "$(text "Course")")
  type_text "$drill" "${course_line:0:9}"
  type_text "$drill" "x"
  type_text "$drill" "${course_line:10:6}"
  sleep 0.5
  shoot course
  keys "$drill" Escape

  # The sentence drill, a line typed to its end: the statistics.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "&Sentence Drills")"
  drill=$(wait_for_window "$(text "Sentence Drills")")
  type_text "$drill" "$sentence "
  type_text "$drill" "${sentence:0:4}"
  sleep 0.5
  shoot sentence
  keys "$drill" Escape

  # The free drill asks what to practise.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "&Free Drills")"
  drill=$(wait_for_window "$(text "Free Drills")")
  keys "$drill" Insert
  dialog=$(wait_for_other_active "$drill")
  keys "$dialog" ctrl+a
  type_text "$dialog" "fjfj"
  shoot free-letters "$drill" "$dialog"
  keys "$dialog" Return
  sleep 0.5
  type_text "$drill" "fjfj fjf"
  shoot free
  keys "$drill" Escape

  # The paragraph drill with a text loaded from a file.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "&Paragraph Drills")"
  drill=$(wait_for_window "$(text "Text drill")")
  keys "$drill" "$(mnemonic "&Load text")"
  dialog=$(wait_for_other_active "$drill")
  type_text "$dialog" "$text_file"
  keys "$dialog" Return
  sleep 1.5
  type_text "$drill" "$(head -c 40 "$text_file")"
  shoot paragraph "$drill"
  keys "$drill" Escape

  # The adaptive drill, on the keys that the generated weeks brought into play.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "&Adaptive Drill")"
  drill=$(wait_for_window "$(text "Adaptive Drill")")
  sleep 0.5
  shoot adaptive
  keys "$drill" Escape

  # The profile dialog, one picture per tab.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "P&rofile")"
  dialog=$(wait_for_window "$(text "Profile")")
  shoot profile-layout "$dialog"
  # From the user box to the tabs, then the next tab.
  keys "$dialog" Tab Tab Right
  sleep 0.4
  shoot profile-misc "$dialog"
  keys "$dialog" Right
  sleep 0.4
  shoot profile-keyboard "$dialog"
  keys "$dialog" Right
  sleep 0.4
  shoot profile-goals "$dialog"
  keys "$dialog" Escape

  # The game: difficulty 5, a word shot down and the next one half typed.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "&Game")"
  dialog=$(wait_for_window "$(text "Input Box")")
  keys "$dialog" ctrl+a
  type_text "$dialog" 5
  keys "$dialog" Return
  sleep 20
  local game
  game=$(wait_for_window "$(text "Game")")
  xdotool type --delay 150 -- "${words[0]}${words[1]:0:2}"
  sleep 0.3
  shoot_screen game
  keys "$game" Escape
  dialog=$(wait_for_other_active "$game")
  keys "$dialog" Return

  # The progress window over the generated weeks and today's lines.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" "$(mnemonic "S&tatistics")"
  local progress_title
  progress_title=$(text "Progress of %s")
  dialog=$(wait_for_window "${progress_title%%%s*}")
  sleep 1.5 # the charts are drawn
  shoot statistics "$dialog"
  # The page of the fingers beside the charts.
  keys "$dialog" "$(mnemonic "&Fingers")"
  sleep 0.5
  shoot statistics-fingers "$dialog"
  keys "$dialog" Escape

  # Leaving: the practice time of the run.
  main=$(wait_for_window "$(text "ZQ Typing Tutor")")
  keys "$main" Escape
  dialog=$(wait_for_other_active "$main")
  shoot practice-time "$dialog"
  keys "$dialog" Return
  for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done

  stop_background

  # The course's keyboard template, drawn by the template tool.
  QT_QPA_PLATFORM=offscreen "$template_tool" preview "$built/Courses/$course/layout.zqt" \
    "$out/template-preview.png" "$lit" >/dev/null
  fit template-preview
}

languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en fr de)
for language in "${languages[@]}"; do
  take_pictures "$language"
done
