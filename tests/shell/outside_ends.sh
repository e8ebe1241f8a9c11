#!/usr/bin/env bash
# Ends that come from outside the program, on a private X server: a window
# destroyed by another client (xdotool windowclose) and SIGTERM. Each must end
# the program with status 0 and leave nothing on stderr; a program still
# running with no window left is the fault this guards against.
# Usage: outside_ends.sh PATH/TO/chemdrill
set -u
program=$(realpath "$1")
work=$(mktemp -d)
chmod 700 "$work"
app_pid=
trap 'kill $app_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/private_x_server.sh"
start_private_x_server || { echo "Xvfb did not start"; exit 1; }
export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start() {
  (cd / && exec "$program") 2>"$work/stderr" &
  app_pid=$!
}

# The ids of the program's visible windows with exactly this caption
# (xdotool's --name is a regular expression that misreads multi-byte text).
windows_named() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done
}

# The id of the visible window with this caption, once it is mapped.
window_named() {
  local id
  for _ in $(seq 100); do
    id=$(windows_named "$1" | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

click_in() { # window x y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

expect_clean_end() { # case-name
  local rc
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "$1: still running"
    kill -9 "$app_pid"
  fi
  wait "$app_pid"
  rc=$?
  [ "$rc" -eq 0 ] || fail "$1: exit status $rc"
  [ -s "$work/stderr" ] && { fail "$1: wrote to stderr"; cat "$work/stderr"; }
  app_pid=
}

# The menu destroyed from outside: nothing is left, so the program ends.
start
menu=$(window_named "メニュー") || fail "menu: never shown"
xdotool windowclose "$menu"
expect_clean_end "menu destroyed"

# A practice screen destroyed while its ion table is open: the ion table
# stays, and destroying it too ends the program.
start
menu=$(window_named "メニュー") || fail "formula: menu never shown"
click_in "$menu" 200 140 # 化学式の練習
formula=$(window_named "化学式の練習") || fail "formula: screen never shown"
click_in "$formula" 210 460 # イオン表
table=$(window_named "陽イオンと陰イオン") || fail "formula: ion table never shown"
xdotool windowclose "$formula"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "formula destroyed: the program ended with the ion table open"
[ -n "$(windows_named "陽イオンと陰イオン")" ] ||
  fail "formula destroyed: the ion table went with it"
xdotool windowclose "$table"
expect_clean_end "formula and ion table destroyed"

# SIGTERM on the menu and on a practice screen.
start
window_named "メニュー" >/dev/null || fail "term: menu never shown"
kill -TERM "$app_pid"
expect_clean_end "SIGTERM at the menu"

start
menu=$(window_named "メニュー") || fail "term: menu never shown"
click_in "$menu" 200 350 # 化学反応の量
window_named "化学反応の量" >/dev/null || fail "term: reaction screen never shown"
kill -TERM "$app_pid"
expect_clean_end "SIGTERM on a practice screen"

[ "$failures" -eq 0 ] && echo "outside ends: all cases passed"
exit $((failures > 0))
