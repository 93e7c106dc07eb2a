#!/usr/bin/env bash
# Starts the built Tarvo under Xvfb with the accessibility bus, answers its
# restore question and walks what a screen reader finds (walk.py).
#   run.sh <tarvo program> <source folder>
set -euo pipefail
program=$1
source=$2
for need in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$need" >/dev/null || { echo "skipped: $need is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

app=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$app"' EXIT
cp "$program" "$app/tarvo"
cp -r "$source/imgs" "$app/imgs"
mkdir -p "$app/tmp"
# Unsaved work of an earlier run: the start asks about it, and Yes lays it out.
printf '[Project]\r\nName=Accessible plan\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=Design\r\nGoal1_Due=\r\nGoal1_Tasks=2\r\nGoal1_Task1=Brief --\r\nGoal1_Task2=Sketches\r\nGoal2=4-5-6\r\nGoal2_Name=Content\r\nGoal2_Due=\r\nGoal2_Tasks=0\r\n[Recovery]\r\nFile=\r\n' > "$app/tmp/.recovery.gpj"

# On a busy machine each part may take seconds to come up: every step waits
# for the one before rather than for a fixed time.
number=$((100 + RANDOM % 800))
display=:$number
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 600); do [ -S /tmp/.X11-unix/X$number ] && break; sleep 0.1; done
export DISPLAY=$display
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  # Tarvo finds the accessibility bus only if it is there when it starts.
  for _ in $(seq 600); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
    sleep 0.1
  done
  # The registry, which lists the applications, starts when first asked;
  # an application that comes up before it may never be listed.
  timeout 120 /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >/dev/null 2>&1 || true
  # Under AddressSanitizer (tools/sanitize.sh): libxcb hands strndup
  # buffers without a final NUL, which strict string checks report.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0" "$0/tarvo" >"$0/tarvo.log" 2>&1 &
  # What Tarvo said, should the walk fail.
  timeout 400 /usr/bin/python3 "$1" || { status=$?; tail -n 40 "$0/tarvo.log"; exit $status; }
' "$app" "$source/tests/accessibility/walk.py"
