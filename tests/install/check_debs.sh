#!/usr/bin/env bash
# Checks the binary packages in a folder: what each holds and with which modes, what each
# depends on, and, given more folders, that the packages built there are the same bytes.
# Every folder and file belongs to root; folders are 755, files 644, the two programs 755:
# nothing a user other than root may change, nothing anyone may not read, whatever umask
# the package was built under.
#
#   check_debs.sh FOLDER [OTHER_FOLDER...]
set -euo pipefail
folder=$1
shift
fail() { echo "FAIL: $*" >&2; exit 1; }

debs=$(cd "$folder" && printf '%s\n' *.deb)
[ "$(echo "$debs" | sed 's/_.*//' | sort | tr '\n' ' ')" = \
    "chronavell chronavell-date chronavell-date-dbgsym chronavell-dbgsym " ] \
    || fail "the packages in $folder are ${debs//$'\n'/ }"

# One line an entry: its mode, owner and path, links with their target.
entries() {
    dpkg-deb --fsys-tarfile "$1" | tar -tv --numeric-owner | awk '{
        path = $6; for (i = 7; i <= NF; ++i) path = path " " $i
        print $1, $2, path }'
}

for deb in $debs; do
    programs=
    case $deb in
        chronavell_*) programs='./usr/lib/chronavell/chronavell' ;;
        chronavell-date_*) programs='./usr/bin/chronavell-date' ;;
    esac
    while read -r mode owner path; do
        [ "$owner" = 0/0 ] || fail "$deb: $path belongs to $owner"
        case $mode in
            d*) [ "$mode" = drwxr-xr-x ] || fail "$deb: folder $path is $mode" ;;
            l*) [ "$mode" = lrwxrwxrwx ] || fail "$deb: link $path is $mode" ;;
            -*)
                expected=-rw-r--r--
                [[ " $programs " == *" $path "* ]] && expected=-rwxr-xr-x
                [ "$mode" = "$expected" ] || fail "$deb: $path is $mode, not $expected"
                ;;
            *) fail "$deb: $path is neither folder, file nor link ($mode)" ;;
        esac
    done < <(entries "$folder/$deb")
    while read -r mode owner path; do
        [ "$owner" = 0/0 ] || fail "$deb: control member $path belongs to $owner"
        case $mode in
            d*) [ "$mode" = drwxr-xr-x ] || fail "$deb: control folder $path is $mode" ;;
            *) [ "$mode" = -rw-r--r-- ] || fail "$deb: control member $path is $mode" ;;
        esac
    done < <(dpkg-deb --ctrl-tarfile "$folder/$deb" | tar -tv --numeric-owner | awk '{ print $1, $2, $6 }')
done

# What goes where: the window program with everything of the desktop's, the converter alone.
holds() { entries "$folder/$1"_*.deb | grep -v '^d' | cut -d' ' -f3- | sort; }
window_files=$(holds chronavell)
converter_files=$(holds chronavell-date)
for path in ./usr/lib/chronavell/chronavell ./etc/chronavell/Sayings.txt \
    './usr/lib/chronavell/Sayings.txt -> /etc/chronavell/Sayings.txt' \
    './usr/bin/chronavell -> ../lib/chronavell/chronavell' \
    ./usr/share/applications/org.chronavell.chronavell.desktop \
    ./usr/share/metainfo/org.chronavell.chronavell.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/org.chronavell.chronavell.png \
    ./usr/share/man/man1/chronavell.1.gz ./usr/share/doc/chronavell/copyright; do
    grep -qxF "$path" <<<"$window_files" || fail "chronavell lacks $path"
done
for path in ./usr/bin/chronavell-date ./usr/share/man/man1/chronavell-date.1.gz \
    ./usr/share/bash-completion/completions/chronavell-date \
    ./usr/share/doc/chronavell-date/copyright; do
    grep -qxF "$path" <<<"$converter_files" || fail "chronavell-date lacks $path"
done
! grep -E 'chronavell-date|bash-completion' <<<"$window_files" \
    || fail "chronavell holds the converter's files"
! grep -E '/lib/chronavell|/etc/|applications|icons|metainfo|man1/chronavell\.' <<<"$converter_files" \
    || fail "chronavell-date holds the window program's files"
# The sayings, and nothing else, are the administrator's: dpkg keeps a local edit of them.
conffiles() { dpkg-deb --ctrl-tarfile "$folder/$1"_*.deb | tar -xO ./conffiles 2>/dev/null || true; }
[ "$(conffiles chronavell)" = /etc/chronavell/Sayings.txt ] \
    || fail "chronavell's configuration files are '$(conffiles chronavell)', not its sayings"
[ -z "$(conffiles chronavell-date)" ] \
    || fail "chronavell-date has configuration files: $(conffiles chronavell-date)"

field() { dpkg-deb -f "$folder/$1"_*.deb "$2"; }
grep -q libqt6widgets6 <<<"$(field chronavell Depends)" \
    || fail "chronavell does not depend on Qt's widgets: $(field chronavell Depends)"
grep -qw qt6-wayland <<<"$(field chronavell Recommends)" \
    || fail "chronavell does not recommend qt6-wayland"
! grep -Ei 'qt|libx11' <<<"$(field chronavell-date Depends)" \
    || fail "chronavell-date depends on graphical libraries"

for other in "$@"; do
    for deb in $debs; do
        cmp -s "$folder/$deb" "$other/$deb" || fail "$other/$deb differs from $folder/$deb"
    done
done
echo "packages OK: ${debs//$'\n'/ }${*:+, the same bytes in $*}"
