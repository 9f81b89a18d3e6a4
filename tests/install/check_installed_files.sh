#!/usr/bin/env bash
# Checks the game installed at $TRIMBOL_PREFIX (see with_installed_game.sh):
# exactly the expected files, icons of their sizes, a desktop entry and
# metainfo that their validators accept and that name each other, a manual
# page without groff warnings, and a binary that answers on its command line
# without a display.
set -uo pipefail
prefix="${TRIMBOL_PREFIX:?run through with_installed_game.sh}"
here="$(cd "$(dirname "$0")" && pwd)"
id=org.trimbol.Trimbol
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export LC_ALL=C.UTF-8

# The files, no more and no fewer.
if ! diff <(grep -v '^#' "$here/installed_files.txt" | sort) \
          <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort); then
  fail "the installed files differ (< expected, > installed)"
fi
[ -x "$prefix/bin/trimbol" ] || fail "bin/trimbol is not executable"
# The sound libraries come with the sound module, at the first play.
readelf -d "$prefix/bin/trimbol" | grep -E 'NEEDED.*(SDL|fluidsynth|mpg123|asound)' &&
  fail "the game's binary loads a sound library at its start"

# Each icon is a PNG with an alpha channel, drawn at its folder's size.
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || continue  # already reported
  b=($(od -An -tu1 -N26 "$png"))
  signature="${b[1]}${b[2]}${b[3]}"               # "PNG"
  width=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
  height=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
  [ "$signature" = "807871" ] || fail "$png is not a PNG"
  [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
  [ "${b[25]}" = 6 ] || fail "$png has no alpha channel"
done

# The desktop entry and the metainfo.
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
# Pedantic too: the only remark allowed is the capital in the reverse-DNS id,
# which names the desktop entry and the icon as well.
remarks="$(appstreamcli validate --pedantic --no-net "$metainfo" | grep -E '^[EWIP]: ' |
           grep -v ' cid-contains-uppercase-letter ')"
[ -z "$remarks" ] || fail "appstreamcli validate --pedantic: $remarks"
# The stores' listing: a short summary in every language, who made it, what
# each release brought, the brand colours and the controls it plays with.
while read -r summary; do
  [ "${#summary}" -le 35 ] || fail "the summary '$summary' is longer than 35 characters"
done < <(sed -n 's|.*<summary[^>]*>\(.*\)</summary>.*|\1|p' "$metainfo")
releases="$(sed -n '/<releases>/,/<\/releases>/p' "$metainfo")"
[ "$(grep -c '<release ' <<<"$releases")" = "$(grep -c '<description>' <<<"$releases")" ] ||
  fail "a release without notes"

for line in "Name=Trimbol" "Name[ru]=Тримбол" "Exec=trimbol" "Icon=$id" "StartupWMClass=trimbol" \
            "Categories=Game;BoardGame;" "Type=Application"; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
grep -q '^Comment=.' "$desktop" || fail "no English comment"
grep -q '^Comment\[ru\]=.' "$desktop" || fail "no Russian comment"
grep -q '^Keywords=.' "$desktop" || fail "no keywords"
for text in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
            "<binary>trimbol</binary>" "<project_license>GPL-3.0-or-later</project_license>" \
            "<metadata_license>CC0-1.0</metadata_license>" '<release version="5.2"' \
            '<content_rating type="oars-1.1"' '<summary xml:lang="ru">' '<developer_name>' \
            '<color type="primary" scheme_preference="light">' '<control>keyboard</control>' \
            '<control>pointing</control>'; do
  grep -qF "$text" "$metainfo" || fail "the metainfo lacks $text"
done

# The manual page: section 6, this version, and no warnings from groff.
man="$prefix/share/man/man6/trimbol.6.gz"
warnings="$(zcat "$man" | groff -k -man -Tutf8 -ww -z 2>&1)"
[ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
zcat "$man" | grep -q '^\.TH TRIMBOL 6 .*"Тримбол 5\.2"' || fail "the manual page's header"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS CONTROLS FILES ENVIRONMENT; do
  zcat "$man" | grep -qx "\.SH $section" || fail "the manual page has no $section"
done
grep -q "GNU GENERAL PUBLIC LICENSE" "$prefix/share/doc/trimbol/LICENSE" || fail "the licence text"

# The binary answers without a display (no window system is even named).
game() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/trimbol" "$@"; }
out="$(game --version 2>&1)"; status=$?
[ "$status:$out" = "0:trimbol 5.2" ] || fail "--version gave status $status and '$out'"
out="$(game --help 2>/dev/null)"; status=$?
[ "$status" = 0 ] && grep -q '^Usage: ' <<<"$out" && grep -qF -- '--version' <<<"$out" ||
  fail "--help gave status $status and '$out'"
err="$(game --no-such-option 2>&1 >/dev/null)"; status=$?
out="$(game --no-such-option 2>/dev/null)"
[ "$status" = 2 ] || fail "an unknown option gave status $status"
[ -z "$out" ] || fail "an unknown option printed '$out' on standard output"
[ "$(head -n1 <<<"$err")" = "trimbol: Unknown option 'no-such-option'." ] || fail "an unknown option: '$err'"
sed -n 2p <<<"$err" | grep -q '^Usage: ' || fail "an unknown option prints no usage"
if readelf -d "$prefix/bin/trimbol" | grep -qE 'RUNPATH|RPATH'; then fail "the binary carries a run path"; fi
[ -z "$(ls -A)" ] || fail "the game wrote into its working folder: $(ls -A)"

[ "$failures" = 0 ] && echo "installed game: all checks passed"
exit $((failures > 0))
