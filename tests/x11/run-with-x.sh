#!/bin/sh
# Runs one window test program on a private virtual X server with a window
# manager, as a person's desktop would have: real popups, pointer grabs and
# window activation. Usage: run-with-x.sh PROGRAM [ARGS...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--inside" ]; then
  for tool in xvfb-run Xvfb xauth openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "run-with-x.sh: $tool is missing (scripts/setup installs it)" >&2; exit 1; }
  done
  # -a looks for a free display from the given number up; a start number of
  # our own keeps parallel test runs on the machine apart.
  # Q716_X_SCREEN gives another screen, for the tests of small screens.
  exec xvfb-run -a -n $((200 + $$ % 700)) -s "-screen 0 ${Q716_X_SCREEN:-1280x1024x24} -nolisten tcp" \
    "$here/run-with-x.sh" --inside "$@"
fi
shift

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
runtime=
trap 'kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true; [ -z "$runtime" ] || rm -rf "$runtime"' EXIT
# The window manager is ready once it answers for its desktops.
tries=0
until xdotool get_num_desktops >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ $tries -gt 600 ] || ! kill -0 $wm 2>/dev/null; then
    echo "run-with-x.sh: openbox did not start" >&2
    exit 1
  fi
  sleep 0.1
done

export QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
status=0
"$@" || status=$?
exit $status
