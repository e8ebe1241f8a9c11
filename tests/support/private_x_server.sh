# Sourced by the tests that need real windows: starts Xvfb on a display
# number it picks itself, exports DISPLAY and sets xvfb_pid for the caller's
# clean-up. Returns non-zero when the server does not come up.
start_private_x_server() {
  local fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  [ -n "$display" ] || return 1
  export DISPLAY=:$display
}
