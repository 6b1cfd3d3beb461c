#!/usr/bin/env bash
# Builds the Debian package and checks its contents and its dependencies.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null) \
    || fail "cpack could not build the package"
deb=$(ls "$work"/chronavell_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = chronavell ] || fail "wrong package name"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libturbojpeg0 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Every dependency is a package Debian has: the ones the build itself installed.
for dependency in $(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/ //g' | sort -u); do
    apt-cache show "$dependency" >/dev/null 2>&1 || dpkg-query -W "$dependency" >/dev/null 2>&1 \
        || fail "no package $dependency"
done
dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/chronavell" ] || [ -L "$work/root/usr/bin/chronavell" ] \
    || fail "package has no usr/bin/chronavell"
[ -x "$(readlink -f "$work/root/usr/bin/chronavell")" ] || fail "the link in the package is broken"
[ -f "$(dirname "$(readlink -f "$work/root/usr/bin/chronavell")")/Sayings.txt" ] \
    || fail "package lacks Sayings.txt beside the program"
[ "$("$work/root/usr/bin/chronavell-date" --to-gregorian 0347005.M3)" = "05/05/02005" ] \
    || fail "package lacks a working usr/bin/chronavell-date"
[ -f "$work/root/usr/share/applications/org.chronavell.Chronavell.desktop" ] \
    || fail "package lacks the desktop entry"
echo "package OK: $(basename "$deb")"
