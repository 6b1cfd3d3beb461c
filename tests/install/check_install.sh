#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a user's system would get: the
# program and its sayings in one private folder, a working link on the PATH, the command-line
# converter on the PATH, a valid desktop entry and metainfo, the icon in the hicolor theme,
# and both manual pages. The copyright and changelog are the Debian package's (debian/).
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
private=$(cd "$root/usr" && find lib -maxdepth 2 -type d -name chronavell | head -n 1)
[ -n "$private" ] || fail "no private program folder under usr/lib"
[ -x "$root/usr/$private/chronavell" ] || fail "no executable in $private"
[ -f "$root/usr/$private/Sayings.txt" ] || fail "no Sayings.txt beside the executable"
cmp -s "$root/usr/$private/Sayings.txt" "$(dirname "$0")/../../assets/Sayings.txt" \
    || fail "installed sayings differ from the shipped ones"
[ -L "$root/usr/bin/chronavell" ] || fail "usr/bin/chronavell is no link"
[ "$(readlink -f "$root/usr/bin/chronavell")" = "$(readlink -f "$root/usr/$private/chronavell")" ] \
    || fail "usr/bin/chronavell does not lead to the program"
case "$(readlink "$root/usr/bin/chronavell")" in
    /*) fail "the link is absolute and would break in a package" ;;
esac

# The command-line converter sits on the PATH itself and needs nothing beside it.
[ -x "$root/usr/bin/chronavell-date" ] || fail "no usr/bin/chronavell-date"
[ "$("$root/usr/bin/chronavell-date" 2005-05-05)" = "0347005.M 3" ] \
    || fail "the installed chronavell-date converts wrongly"

id=org.chronavell.chronavell
desktop="$root/usr/share/applications/$id.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
grep -qx 'Exec=chronavell' "$desktop" || fail "desktop entry does not start chronavell"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
# Clean means no remark at all, the pedantic ones included: those do not fail the validator.
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
remarks=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "metainfo invalid: $remarks"
! grep -E '^[EWIP]: ' <<<"$remarks" || fail "metainfo has remarks"
for size in 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    file "$icon" | grep -q "$size x $size" || fail "icon $icon is not $size x $size"
done

# The manual pages render without a complaint from groff, and are compressed without a name
# or time stamp, so that every build gives the same bytes.
for page in chronavell chronavell-date; do
    manual="$root/usr/share/man/man1/$page.1.gz"
    [ -f "$manual" ] || fail "no manual page $page.1.gz"
    zcat "$manual" | gzip -9n | cmp -s - "$manual" || fail "$page.1.gz is not compressed with gzip -9n"
    complaints=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
    [ -z "$complaints" ] || fail "$page.1 does not render cleanly: $complaints"
    zcat "$manual" | grep -q "^\.SH NAME" || fail "$page.1 has no NAME section"
done

# Started through the link, the program looks for its sayings beside the real executable.
trace="$root/trace"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$root" timeout 3 \
    strace -f -qq -e trace=%file -o "$trace" "$root/usr/bin/chronavell" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended early (status $status)"
grep -q "\"$root/usr/$private/Sayings.txt\"" "$trace" \
    || fail "the program did not look for Sayings.txt beside its executable"
echo "install layout OK"
