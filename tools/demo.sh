#!/usr/bin/env bash
# Shows Korvane working on a machine without a display: starts a private Xvfb, walks the program
# through one plug-in of each kind with real mouse clicks and typing (xdotool), and leaves the
# screenshots and the three saved plug-ins in a folder whose path it prints.
# Usage: tools/demo.sh [build folder]   (default: build/windows)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd)
exe="$build/korvane.exe"
[ -f "$exe" ] || { echo "demo: $exe is missing (run tools/build.sh windows first)" >&2; exit 1; }
out=$(mktemp -d "${TMPDIR:-/tmp}/korvane-demo.XXXXXX")

source "$repo/tools/wine/env.sh" "$build"
wine_session_start --own-display
trap wine_session_stop EXIT

# Wine draws the frames itself: the client area starts 3 pixels in and 22 down (border, caption).
frame_x=3
frame_y=22

# Waits for a visible window with exactly this title and prints its id.
wait_window() {
  local title=$1 id="" i
  for i in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  echo "demo: the window \"$title\" did not appear" >&2
  shot "$out/failed-waiting.png"
  return 1
}

# Clicks a point given in the client coordinates of a window.
click() {
  local id=$1 x=$2 y=$3
  xdotool mousemove --window "$id" $((x + frame_x)) $((y + frame_y)) click 1
  sleep 0.3
}

# Types text into the focused control. Letters missing from the keyboard map (Cyrillic) are typed
# through a keycode that xdotool remaps for each one; one letter at a time with a pause gives the
# X server time to announce each remapping, or letters get lost.
type_text() {
  local text=$1 i
  sleep 0.3
  for ((i = 0; i < ${#text}; i++)); do
    xdotool type --delay 80 -- "${text:i:1}"
    sleep 0.25
  done
  sleep 0.2
}

# Wine can miss the first remapped letters a program receives, at its start and again after plain
# ASCII was typed. Typing throwaway letters and as many backspaces into an empty field leaves it
# empty either way and readies the mapping.
prime_keyboard() {
  type_text "ЖЖ"
  xdotool key BackSpace BackSpace BackSpace
  sleep 0.2
}

shot() {
  sleep 0.4
  import -window root "$1"
}

# A picture of one window alone, frame included (the README's pictures come from these). The
# window is raised first, so that a dialog closed a moment ago has been painted over.
window_shot() {
  xdotool windowraise "$1"
  sleep 1.5
  import -window "$1" "$out/window-$2.png"
}

# Chooses entry $3 (counted from 0) of the closed drop-down list at client point $1 $2 of window
# $4 with the keyboard, as a user would: the list drops, Down moves, Enter takes the entry.
choose_entry() {
  local x=$1 y=$2 index=$3 id=$4 i
  click "$id" "$x" "$y"
  for ((i = 0; i < index; i++)); do xdotool key Down; sleep 0.1; done
  xdotool key Return
  sleep 0.3
}

# Saves the generated plug-in under the offered name and closes the window.
save_and_close() {
  local name=$1 kind=$2 generated dialog
  generated=$(wait_window "Korvane v1.0.0 - Generated menu")
  shot "$out/$kind-generated.png"
  window_shot "$generated" "$kind-generated"
  click "$generated" 420 500        # "Сохранить как..."
  dialog=$(wait_window "Save As")
  shot "$out/$kind-save-dialog.png"
  # The dialog remembers the last folder: type the full Windows path (Wine maps / to Z:).
  local path="Z:${out//\//\\}\\$kind\\$name"
  type_text "$path"
  xdotool key Return
  for i in $(seq 1 50); do [ -s "$out/$kind/$name" ] && break; sleep 0.2; done
  click "$generated" 525 500        # "Закрыть"
}

run_program() {
  local kind=$1
  mkdir -p "$out/$kind"
  # The save dialog opens in the process's folder, so each kind saves into its own one.
  (cd "$out/$kind" && "$korvane_wine" "$exe" >/dev/null 2>&1) &
  program=$!
}

finish_program() {
  local i
  for i in $(seq 1 100); do kill -0 "$program" 2>/dev/null || return 0; sleep 0.2; done
  echo "demo: korvane.exe did not end" >&2
  return 1
}

# 1. AMX Mod X new-style menu.
run_program new-style
chooser=$(wait_window "Korvane 1.0.1")
shot "$out/chooser.png"
window_shot "$chooser" chooser
click "$chooser" 181 172                          # "Продолжить" (first choice kept)
editor=$(wait_window "Korvane 1.0 - New Style Korvane")
click "$editor" 180 34                            # title
prime_keyboard
type_text "Меню сервера"
for item in "Кикнуть себя" "Привет"; do
  click "$editor" 27 187                          # green plus
  dialog=$(wait_window "Add Item")
  prime_keyboard
  type_text "$item"
  if [ "$item" = "Кикнуть себя" ]; then
    choose_entry 180 126 2 "$dialog"              # "Действие:" "Команда сервера"
    click "$dialog" 180 172                       # the action's text
    type_text "amx_kick #{userid}"
  else
    choose_entry 180 126 3 "$dialog"              # "Сообщение в чат"
    click "$dialog" 180 172
    prime_keyboard
    type_text "Привет, {name}!"
    window_shot "$dialog" new-style-add-item
  fi
  click "$dialog" 125 76                          # "Add"
done
shot "$out/new-style-editor.png"
window_shot "$editor" new-style-editor
click "$editor" 180 460                           # "Сгенерировать"
save_and_close menu.sma new-style
finish_program

# 2. AMX Mod X old-style menu.
run_program old-style
chooser=$(wait_window "Korvane 1.0.1")
click "$chooser" 22 88                            # "Old style menu."
click "$chooser" 181 172
editor=$(wait_window "Old Style Korvane 1.0.0")
click "$editor" 220 150                           # into the text
prime_keyboard
click "$editor" 132 28                            # "Желтый"
type_text "Меню сервера"
xdotool key Return
click "$editor" 45 28                             # "Белый"
type_text "1. Кикнуть"
xdotool key Return
type_text "2. Забанить"
xdotool key Return
click "$editor" 309 28                            # "Серый"
type_text "0. Выход"
shot "$out/old-style-editor.png"
window_shot "$editor" old-style-editor
click "$editor" 221 284                           # "Продолжить"
options=$(wait_window "Old style Korvane v1.0.0 - Old style menu options")
choose_entry 312 194 2 "$options"                 # key 1 (selected): "Команда сервера"
click "$options" 312 240                          # the action's text
type_text "amx_kick #{userid}"
shot "$out/old-style-options.png"
window_shot "$options" old-style-options
click "$options" 204 140                          # "Сгенерировать"
save_and_close menu.sma old-style
finish_program

# 3. SourceMod menu.
run_program sourcemod
chooser=$(wait_window "Korvane 1.0.1")
click "$chooser" 22 127                           # "SourceMod Menu."
click "$chooser" 181 172
editor=$(wait_window "Source Mod Korvane")
click "$editor" 140 34                            # title
prime_keyboard
type_text "Админ меню"
for item in "Кик" "Мой Steam ID"; do
  click "$editor" 19 163                          # green plus
  dialog=$(wait_window "SourceMod Korvane - Добавить пункт")
  prime_keyboard
  type_text "$item"
  if [ "$item" = "Кик" ]; then
    choose_entry 156 134 2 "$dialog"              # "Команда сервера"
    click "$dialog" 156 180
    type_text "sm_kick #{userid}"
  else
    choose_entry 156 134 3 "$dialog"              # "Сообщение в чат"
    click "$dialog" 156 180
    type_text "{name}: {steamid}"
    window_shot "$dialog" sourcemod-add-item
  fi
  click "$dialog" 157 84                          # "Добавить"
done
shot "$out/sourcemod-editor.png"
window_shot "$editor" sourcemod-editor
click "$editor" 140 412                           # "Сгенерировать"
save_and_close menu.sp sourcemod
finish_program

echo "Korvane demo: screenshots and saved plug-ins are in $out"
ls -R "$out"
