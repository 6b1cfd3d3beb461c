#!/usr/bin/env bash
# Builds the Debian source package and the binary packages chronavell and chronavell-date the
# way Debian builds them: an orig tarball of the upstream tree, debian/ beside it, and
# dpkg-buildpackage, which runs the tests that need no display. Then holds the result to
# lintian, pedantic remarks included.
#
#   tools/package.sh [FOLDER]      results in FOLDER, build/debian unless given
#
# The tree packaged is the tracked files as they stand, uncommitted changes included; files
# git does not know are left out, as they would be from a fresh checkout. The build runs with
# the caller's umask; DEB_BUILD_OPTIONS passes on (nocheck skips the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
out=$(realpath -m "${1:-build/debian}")

version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
# The folder is emptied first, so it must be new, empty or one this script filled before.
if [ -n "$(ls -A "$out" 2>/dev/null)" ] && ! ls "$out"/chronavell_*.orig.tar.xz >/dev/null 2>&1; then
    echo "$out holds other files; name a new folder for the packages" >&2
    exit 2
fi
rm -rf "$out"
mkdir -p "$out"
tree=$(git stash create)
tree=${tree:-HEAD}
# Debian's orig tarball is the upstream tree alone; debian/ travels in a tarball of its own.
git archive --format=tar --prefix="chronavell-$upstream/" "$tree" -- . ':(exclude)debian' \
    | xz -6 >"$out/chronavell_$upstream.orig.tar.xz"
git archive --format=tar "$tree" | (mkdir "$out/chronavell-$upstream" && tar -x -C "$out/chronavell-$upstream")

parallel="parallel=$(nproc)"
(cd "$out/chronavell-$upstream" \
    && DEB_BUILD_OPTIONS="$parallel ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc)
# The unpacked tree and its build folder are spent; the packages and the source stay.
rm -rf "$out/chronavell-$upstream"

changes="$out/chronavell_${version}_$(dpkg --print-architecture).changes"
lintian -I --pedantic --fail-on error,warning,pedantic "$changes"
# Missing hardening is only information to lintian, and a fault here.
! lintian -I --pedantic --fail-on none "$changes" | grep -E '^I: [^ ]+ hardening-' \
    || { echo "lintian finds protections missing" >&2; exit 1; }
echo "packages in $out:"
(cd "$out" && ls -1 ./*.deb ./*.dsc)
