#!/bin/sh
# Runs a test as a desktop with a screen reader runs the program: a private X
# server with a window manager (run-with-x.sh), a session bus of its own and
# the accessibility bus on it, and Qt speaking to that bus.
# Usage: run-a11y.sh PROGRAM [ARGS...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ "${1:-}" != "--inside" ]; then
  for tool in dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null || { echo "run-a11y.sh: $tool is missing (scripts/setup installs it)" >&2; exit 1; }
  done
  exec "$here/../x11/run-with-x.sh" dbus-run-session -- "$here/run-a11y.sh" --inside "$@"
fi
shift
"$launcher" --launch-immediately &
bus=$!
trap 'kill $bus 2>/dev/null || true; wait $bus 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
status=0
"$@" || status=$?
exit $status
