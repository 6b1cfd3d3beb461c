#!/usr/bin/env bash
# Builds the Debian package and checks its contents, its dependencies, that it states one
# version everywhere, and that lintian finds nothing wrong with it.
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
grep -qw qt6-wayland <<<"$(dpkg-deb -f "$deb" Recommends)" \
    || fail "Recommends lacks qt6-wayland, which runs the program natively on Wayland"
dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/chronavell" ] || [ -L "$work/root/usr/bin/chronavell" ] \
    || fail "package has no usr/bin/chronavell"
[ -x "$(readlink -f "$work/root/usr/bin/chronavell")" ] || fail "the link in the package is broken"
[ -f "$(dirname "$(readlink -f "$work/root/usr/bin/chronavell")")/Sayings.txt" ] \
    || fail "package lacks Sayings.txt beside the program"
[ "$("$work/root/usr/bin/chronavell-date" --to-gregorian 0347005.M3)" = "05/05/02005" ] \
    || fail "package lacks a working usr/bin/chronavell-date"
[ -f "$work/root/usr/share/applications/org.chronavell.chronavell.desktop" ] \
    || fail "package lacks the desktop entry"

# One version, set once: the package, both programs, the metainfo's release, the changelog's
# newest entry and both manual pages say the same.
version=$(dpkg-deb -f "$deb" Version)
root="$work/root/usr"
[ "$("$root/bin/chronavell" --version)" = "chronavell $version" ] \
    || fail "chronavell --version does not say $version"
[ "$("$root/bin/chronavell-date" --version)" = "chronavell-date $version" ] \
    || fail "chronavell-date --version does not say $version"
grep -q "<release version=\"$version\"" "$root"/share/metainfo/*.metainfo.xml \
    || fail "the metainfo's release is not $version"
[ "$(zcat "$root/share/doc/chronavell/changelog.gz" | head -n 1)" = \
    "chronavell ($version) unstable; urgency=medium" ] || fail "the changelog's newest entry is not $version"
for page in chronavell chronavell-date; do
    zcat "$root/share/man/man1/$page.1.gz" | head -n 1 | grep -qF "\"Chronavell $version\"" \
        || fail "the manual page $page.1 is not of version $version"
done

# Lintian as Debian's archive runs it, pedantic tags included: no error, warning or pedantic
# remark, and no missing hardening, which it reports only as information.
# Its exit status says whether it could run: errors are told apart below.
report=$(lintian --pedantic --display-info --fail-on none "$deb" 2>"$work/lintian.err") \
    || fail "lintian could not check the package: $(cat "$work/lintian.err")"
[ -z "$report" ] || echo "$report"
! grep -E '^[EWP]: |^I: [^ ]+ hardening-' <<<"$report" >/dev/null || fail "lintian complains"
echo "package OK: $(basename "$deb")"
