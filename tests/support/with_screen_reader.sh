#!/usr/bin/env bash
# with_screen_reader.sh LOG COMMAND [ARGS...]: inside a desktop session of
# with_desktop_session.sh, starts a window manager and the Orca screen
# reader with its default settings, its debug log (which holds every text it
# speaks) written to LOG; runs COMMAND once Orca is ready; stops both after.
set -euo pipefail
log="$1"
shift
for tool in openbox orca; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/setup installs it" >&2; exit 1; }
done
# A home of its own: no user's settings of Orca or of the desktop apply.
home="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true  # gone before the next run looks for another Orca
  pkill -f "speech-dispatcher.*${XDG_RUNTIME_DIR:-$home}" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
# No sound card here: the speech synthesiser speaks to ALSA's null device.
# Left to look for a sound server, speech-dispatcher fails to start, and
# Orca hangs waiting for it.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$home/.asoundrc"
mkdir -p "$home/.config/speech-dispatcher"
printf '%s\n' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
  'AudioOutputMethod "alsa"' >"$home/.config/speech-dispatcher/speechd.conf"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" GSETTINGS_BACKEND=memory
openbox >/dev/null 2>&1 &
pids+=($!)
rm -f "$log"  # a log of an earlier run would tell that Orca is ready
# Orca's debug log at the level that shows what it speaks and no more: the
# full level slows it down by itself.
/usr/bin/python3 - "$log" >/dev/null 2>&1 <<'PYTHON' &
import runpy, sys
from orca import debug
debug.debugFile = open(sys.argv[1], "w", buffering=1)
debug.debugLevel = debug.LEVEL_INFO
# Orca will not start beside another, so --replace: two of these runs at
# once cannot both hear their game.
sys.argv = ["orca", "--replace"]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PYTHON
pids+=($!)
for _ in $(seq 300); do
  grep -q "ORCA: Startup complete" "$log" 2>/dev/null && break
  kill -0 "${pids[1]}" 2>/dev/null || { echo "Orca did not start" >&2; exit 1; }
  sleep 0.1
done
grep -q "ORCA: Startup complete" "$log" || { echo "Orca was not ready within 30 s" >&2; exit 1; }
"$@"
