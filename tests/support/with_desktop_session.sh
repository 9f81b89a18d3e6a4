#!/usr/bin/env bash
# with_desktop_session.sh COMMAND [ARGS...]: runs COMMAND as on a screen
# reader's desktop: an X display of its own (Xvfb), a private session bus
# through which the accessibility bus is started, and Qt's accessibility
# bridge on. What cannot be had fails with the reason; nothing is skipped.
set -euo pipefail
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/setup installs it" >&2; exit 1; }
done
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
  { echo "at-spi2-core is missing: scripts/setup installs it" >&2; exit 1; }

scratch="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
# Xvfb picks a free display itself and writes its number once it listens.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb gave no display within 10 s" >&2; exit 1; }

# The session bus finds the accessibility bus's service under the system's
# data folders, which the tests' own XDG_DATA_DIRS may leave out.
case ":${XDG_DATA_DIRS:-}:" in *:/usr/share:*) ;; *) XDG_DATA_DIRS="${XDG_DATA_DIRS:+$XDG_DATA_DIRS:}/usr/share" ;; esac
mkdir -m 700 "$scratch/runtime"
export DISPLAY=":$(head -n1 "$scratch/display")" XDG_DATA_DIRS XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The accessibility bus starts when first asked for its address, as a
# desktop session asks at login; Qt's bridge then connects to it. The
# session bus's own complaints (it may not raise its file limit in a
# container) are not the test's.
dbus-run-session -- bash -c '
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "the accessibility bus did not start" >&2; exit 1; }
  exec "$@"' bash "$@" 2> >(grep -v -e "Failed to set fd limit" -e "Activating service" -e "Successfully activated" >&2)
