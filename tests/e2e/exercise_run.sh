#!/bin/sh
# The real program under Xvfb, driven from the keyboard as a user drives it:
# the 1-minute test opened with the access keys, the first text chosen, a
# known text with known mistakes typed, the run ended with F5; the result
# window must open with the text's name in its caption. The result is then
# saved with "Uložit" through the real file dialog over an older test file,
# the question answered "Ne", and the file must hold that one result with the
# values of the typed text. Later parts type a lesson and a dictation.
# Pictures of the screen are kept in ARTEFACTS.
#   exercise_run.sh PROGRAM SCREEN_GRAB ARTEFACTS
set -eu
program=$1
grab=$2
artefacts=$3
mkdir -p "$artefacts"
rm -f "$artefacts"/*.png
work=$(mktemp -d)
nullsink="$(dirname "$0")/../../tools/nullsink.sh"
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  # Waited for: an X server still shutting down removes the socket of the
  # next one to take its display number.
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  "$nullsink" stop "$work/sound"
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export XDG_DATA_HOME="$work/data"
# The program's sounds go to a null sink of a private sound server, as to a
# user's sound card (without one it would say so first).
"$nullsink" start "$work/sound"
export PULSE_SERVER="unix:$work/sound/runtime/pulse/native"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The display number comes from Xvfb itself, never a fixed one. Without
# -noreset the server starts afresh whenever its last client leaves (here
# setxkbmap), and refuses the program if it connects just then.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
# The Czech layout, so that xdotool types Czech letters with their own keys:
# otherwise it lends a spare key to each letter for a moment, and a busy
# program may read the key after it has been given back.
setxkbmap cz

# Titles are matched as X stores them, where letters outside Latin-1 are
# encoded: patterns match such letters with ".*".
wait_for() {  # wait_for TITLE-PATTERN: the window id once one is mapped
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && {
      xdotool windowfocus --sync "$id" 2>/dev/null || true
      echo "$id"
      return 0
    }
    sleep 0.1
  done
  echo "no window '$1' appeared; the windows shown:" >&2
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    echo "  $(xdotool getwindowname "$w")" >&2
  done
  cat "$work/program.log" "$work/xvfb.log" >&2
  return 1
}

wait_gone() {  # wait_gone TITLE-PATTERN: true once no such window is mapped
  for _ in $(seq 30); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# A window mapped a moment ago may not take keys yet: the keys are sent again
# until the window closes.
press_until_gone() {  # press_until_gone TITLE-PATTERN KEY...
  pattern=$1
  shift
  for _ in 1 2 3; do
    wait_for "$pattern" >/dev/null
    xdotool key "$@"
    wait_gone "$pattern" && return 0
  done
  echo "window '$pattern' did not close" >&2
  return 1
}

# The program runs where it is: it reads the texts it ships and writes only
# into the user's data folder.
LANG=cs_CZ.UTF-8 QT_QPA_PLATFORM=xcb "$program" 2>"$work/program.log" &
program_pid=$!

wait_for '^Tymba $' >/dev/null
# made by the program for its user files, readable by the user alone
[ "$(stat -c %a "$XDG_DATA_HOME" "$XDG_DATA_HOME/Tymba/Uzivatele")" = "$(printf '700\n700')" ]
sleep 1  # the window is mapped before it takes keys
QT_QPA_PLATFORM=xcb "$grab" "$artefacts/main-window.png"
# "&Procvičování", then "&minutový test"; the menu needs a moment to open and
# take the keyboard, so a slow machine gets a second try.
opened=""
for _ in 1 2; do
  xdotool key alt+p
  sleep 0.5
  xdotool key m
  if wait_for '^P.*ehled p.*semnost.*$' >/dev/null 2>&1; then opened=yes; break; fi
  xdotool key Escape Escape
done
[ -n "$opened" ] || wait_for '^P.*ehled p.*semnost.*$' >/dev/null
# The first text (the list starts with none chosen), then the rules message.
press_until_gone '^P.*ehled p.*semnost.*$' Down Up Return
press_until_gone '^Informace$' Return
wait_for '^Tymba - Cesta vlakem$' >/dev/null
sleep 0.3  # the main window takes the keys back from the closed message
# The first words of the text, with one letter wrong and one left out.
xdotool type --delay 40 'Než vyrazíte na cestu vlakm, podívejte se do jízdního řádu.'
xdotool key F5
wait_for '^Vyhodnocen.*- Cesta vlakem$' >/dev/null
sleep 0.5
QT_QPA_PLATFORM=xcb "$grab" "$artefacts/result-window.png"

# "Uložit" by its Ctrl+S once the window takes keys, a second after the last
# one; the name typed without its extension, over a test file that exists.
saved="$XDG_DATA_HOME/Tymba/vysledek.tst"
printf 'Stary_1.12.2026_10:00:00_\r\n1_0_00 : 01_1_60_0_\r\nx#\r\nx#\r\n' >"$saved"
sleep 1
for _ in 1 2; do
  xdotool key ctrl+s; wait_for '^Ulo.*it jako$' >/dev/null 2>&1 && break
done
xdotool type --delay 20 "${saved%.tst}"
# A completion offered for the name may take the first Return.
press_until_gone '^Ulo.*it jako$' Return
# "Soubor již existuje. Chcete test přidat k existujícím testům?": Esc is "Ne".
press_until_gone '^P.*eru.*en.*$' Escape
wait_gone '^Vyhodnocen.*- Cesta vlakem$'
# One record of four lines in place of the old one, with the values of the
# typed text: 59 characters, one error mark, 20 keystrokes lost per error,
# and the net keystrokes per minute of the duration it took.
[ "$(wc -l <"$saved")" -eq 4 ] && head -1 "$saved" | grep -q '^Cesta vlakem_' ||
  { echo "not the one record expected:" >&2; cat "$saved" >&2; exit 1; }
sed -n 2p "$saved" | tr -d '\r' | awk -F_ '{ split($3, took, " : "); s = took[1] * 60 + took[2]
  got = $1 " " $2 " " $4 " " $5 " " $6; want = "71 1 39 " (s > 0 ? int(39 * 60 / s) : 0) " 1,6949"
  if (got != want) { print "saved " got " after " $3 "; expected " want > "/dev/stderr"; exit 1 } }'

# An identity made in "Vytvoření nové identity" (Soubor, Identity Uživatelů),
# then signed in with its password in "Přepnout identitu ...": its next
# result lands in its own history.
main_title='^Tymba - Cesta vlakem$'
menu_item() {  # menu_item TITLE-PATTERN KEY...: the keys open a menu item's window
  pattern=$1
  shift
  for _ in 1 2; do
    wait_for "$main_title" >/dev/null  # the keyboard goes to the main window
    for key in "$@"; do xdotool key "$key" && sleep 0.3; done
    wait_for "$pattern" >/dev/null 2>&1 && return 0
    xdotool key Escape Escape
  done
  wait_for "$pattern" >/dev/null
}
menu_item '^Vytvo.*en.* nov.* identity$' alt+s i v
xdotool type --delay 20 'Jana'
xdotool key Tab
xdotool type --delay 20 'Tajne7'
xdotool key Return
press_until_gone '^Hl.*ka$' Return
wait_gone '^Vytvo.*en.* nov.* identity$'
menu_item '^P.*epnout identitu' alt+s p
xdotool key Down Down Tab
xdotool type --delay 20 'Tajne7'
press_until_gone '^P.*epnout identitu' Return
history="$XDG_DATA_HOME/Tymba/Uzivatele/Jana.ide"
[ -f "$history" ] && [ ! -s "$history" ] || { echo "no empty history file for Jana" >&2; exit 1; }
menu_item '^P.*ehled p.*semnost.*$' alt+p m
press_until_gone '^P.*ehled p.*semnost.*$' Down Return
press_until_gone '^Informace$' Return
sleep 0.3
xdotool type --delay 40 'Než vyrazíte'
xdotool key F5
wait_for '^Vyhodnocen.*- Cesta vlakem$' >/dev/null
sleep 1.2
press_until_gone '^Vyhodnocen.*- Cesta vlakem$' Return
# One record: the text typed, 12 characters without an error.
[ "$(wc -l <"$history")" -eq 4 ] && head -1 "$history" | grep -q '^Cesta vlakem_' &&
  sed -n 2p "$history" | grep -q '^14_0_[^_]*_12_' ||
  { echo "not the history record expected:" >&2; cat "$history" >&2; exit 1; }

# The first lesson from "Začátečník", "Výuka": its first line typed with one
# wrong keystroke and ended with Enter; the picture shows the second line,
# its first key lit and the finger named. The second line and F5 end the run,
# and Jana's history gets a second record with its one error.
menu_item '^V.*uka$' alt+z v
press_until_gone '^V.*uka$' Down Return
main_title='^Tymba - 01 Z.*'
wait_for "$main_title" >/dev/null
sleep 0.3
xdotool type --delay 60 'fff jjj fff jjj fjf jfj ffj jjf fj jf fj jd'
xdotool key Return
sleep 0.5
QT_QPA_PLATFORM=xcb "$grab" "$artefacts/lesson-next-key.png"
xdotool type --delay 60 'ddd kkk ddd kkk dkd kdk ddk kkd dk kd dk kd'
xdotool key Return F5
wait_for '^Vyhodnocen.*- 01 Z' >/dev/null
sleep 1.2
press_until_gone '^Vyhodnocen.*- 01 Z' Return
sed -n 5p "$history" | grep -aq '^01 Z' && sed -n 6p "$history" | grep -q '^[0-9]*_1_' ||
  { echo "not the lesson record expected:" >&2; cat "$history" >&2; exit 1; }

# A dictation from "Procvičování", "Test s diktafonem": the first shipped one
# with its defaults; F1 plays it. What the null sink plays is recorded, and
# two seconds of it must be sound. A few words typed, the run ended from the
# menu "Zobrazit", "Vyhodnocení testu": the result names the dictation.
main_title='^Tymba - 01 Z.*'
menu_item '^Test s diktafonem$' alt+p d
press_until_gone '^Test s diktafonem$' Return
main_title='^Tymba - Dopis z t.*bora$'
wait_for "$main_title" >/dev/null
sleep 0.3
parec -d tymba.monitor --raw --format=s16le --channels=1 --rate=8000 >"$work/sink.raw" &
parec_pid=$!
xdotool key F1
sleep 2.5
QT_QPA_PLATFORM=xcb "$grab" "$artefacts/dictation-playing.png"
kill "$parec_pid"
loud=$(od -An -v -td2 -w2 "$work/sink.raw" | awk '$1 > 1500 || $1 < -1500 { n++ } END { print n + 0 }')
[ "$loud" -gt 800 ] || { echo "the dictation was not heard ($loud loud samples)" >&2; exit 1; }
xdotool type --delay 60 'Milí rodiče,'
menu_item '^Vyhodnocen.*- Dopis z t.*bora$' alt+o y
sleep 1.2
press_until_gone '^Vyhodnocen.*- Dopis z t.*bora$' Return
echo "result window opened, saved to a test file and kept in Jana's history, a lesson typed, a dictation heard and typed; pictures in $artefacts"
