#!/usr/bin/env bash
# Starts chemdrill on a private X server with the accessibility bus and walks
# it with atspi_walk.py. Usage: atspi_walk.sh PATH/TO/chemdrill
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $app_pid $xvfb_pid 2>/dev/null; [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill $DBUS_SESSION_BUS_PID 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/private_x_server.sh"
start_private_x_server || { echo "Xvfb did not start"; exit 1; }
export XDG_RUNTIME_DIR=$work
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/app.log" 2>&1 &
app_pid=$!
timeout 60 /usr/bin/python3 "$here/atspi_walk.py" || { cat "$work/app.log"; exit 1; }
# 終了 pressed through the tree must end the program.
for _ in $(seq 50); do kill -0 $app_pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $app_pid 2>/dev/null; then echo "atspi: the program is still running after 終了"; exit 1; fi
wait $app_pid
