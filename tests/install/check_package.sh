#!/usr/bin/env bash
# check_package.sh BUILD: packs the game built in BUILD with CPack into a
# temporary folder, as scripts/package does, and checks the .deb: its name,
# its control fields and dependencies, and that it holds exactly the
# installed files under /usr (the binary in the build's BINDIR) and Debian's
# copyright and changelog, with a packager's owners and modes.
set -uo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export LC_ALL=C.UTF-8
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  echo "FAIL: cpack" >&2
  exit 1
fi
arch="$(dpkg --print-architecture)"
deb="$out/trimbol_5.2-1_$arch.deb"
[ -f "$deb" ] || { ls "$out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

info="$(dpkg-deb --info "$deb")"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = trimbol ] || fail "Package: $(field Package)"
[ "$(field Version)" = 5.2-1 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "команда Тримбол <trimbol@example.org>" ] || fail "Maintainer: $(field Maintainer)"
grep -q "^ Description: three-dimensional noughts and crosses" <<<"$info" || fail "the description's summary"
depends="$(field Depends)"
names="$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')"
# From dpkg-shlibdeps: the libraries the binary links; named by hand: what
# Qt and SDL_mixer load at run time.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-mixer-2.0-0 \
               qt6-qpa-plugins timgm6mb-soundfont qt6-translations-l10n; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
grep -q 'md5sums' <<<"$info" || fail "no md5sums"

# The files: those of an installed game, under /usr, and Debian's own two.
bindir="$(sed -n 's/^CMAKE_INSTALL_BINDIR:PATH=//p' "$build/CMakeCache.txt")"
libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")"
binary="usr/${bindir:-bin}/trimbol"
contents="$(dpkg-deb --contents "$deb")"
if ! diff <({ grep -v '^#' "$here/installed_files.txt" | sed "s|^bin/trimbol\$|${binary#usr/}|; s|^lib/trimbol/|${libdir:-lib}/trimbol/|; s|^|usr/|"
             echo usr/share/doc/trimbol/copyright
             echo usr/share/doc/trimbol/changelog.Debian.gz; } | sort) \
          <(awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' <<<"$contents" | sort); then
  fail "the package's files differ (< expected, > packed)"
fi
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' <<<"$contents" || fail "files not owned by root"
grep -E '^-' <<<"$contents" | grep -vF " ./$binary" | grep -v '^-rw-r--r-- ' &&
  fail "data files that are not rw-r--r--"
grep -E '^-rwxr-xr-x ' <<<"$contents" | grep -qF " ./$binary" || fail "$binary is not rwxr-xr-x"
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/doc/trimbol/changelog.Debian.gz" | zcat |
  head -n1 | grep -qF "trimbol (5.2-1)" || fail "the changelog's first line"

[ "$failures" = 0 ] && echo "package $(basename "$deb"): all checks passed"
exit $((failures > 0))
