#!/usr/bin/env bash
# What debian/ states about the program agrees with the program: the changelog's newest entry
# is of the version CMake builds, the copyright file carries LICENSE word for word, and the
# bash completion offers exactly the options that --help and the manual page describe.
#
#   check_source.sh SOURCE_DIR VERSION CHRONAVELL_DATE MANUAL_PAGE
set -euo pipefail
source_dir=$1
version=$2
program=$3
manual=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

# Debian's revision comes after the last hyphen; the rest is the upstream version.
packaged=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
[ "${packaged%-*}" = "$version" ] \
    || fail "debian/changelog's newest entry is $packaged, the build is $version"

copyright=$source_dir/debian/copyright
holder=$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")
grep -qx "Copyright: $holder" "$copyright" \
    || fail "debian/copyright does not name '$holder' as LICENSE does"
# A field's body: every line indented by one blank, an empty line written as a lone full stop.
diff <(sed -n '/^Permission/,$p' "$source_dir/LICENSE") \
    <(sed -n '/^ Permission/,/^[^ ]/p' "$copyright" | sed '/^[^ ]/d; s/^ //; s/^\.$//') \
    || fail "debian/copyright's licence text differs from LICENSE"

# The long options each describes, sorted, one a line.
from_help=$("$program" --help | grep -oE '^  --[a-z-]+' | sed 's/^ *//' | sort)
from_manual=$(sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/{/^\.TP/{n;p}}' "$manual" \
    | sed 's/\\-/-/g' | grep -oE '^\.BI? --[a-z-]+' | sed 's/^\.BI* //' | sort)
from_completion=$(bash -c 'source "$1"; COMP_WORDS=(chronavell-date --); COMP_CWORD=1
    _chronavell_date; printf "%s\n" "${COMPREPLY[@]}"' - "$source_dir/cli/chronavell-date.bash" | sort)
[ -n "$from_help" ] || fail "--help lists no options"
[ "$from_manual" = "$from_help" ] \
    || fail "the manual page's options (${from_manual//$'\n'/ }) are not --help's (${from_help//$'\n'/ })"
[ "$from_completion" = "$from_help" ] \
    || fail "the completion offers ${from_completion//$'\n'/ }, --help lists ${from_help//$'\n'/ }"

# After --class and --class= come the check digits, and after a lone -- no option at all.
complete_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _chronavell_date; echo "${COMPREPLY[*]}"' - "$source_dir/cli/chronavell-date.bash" "$@"
}
[ "$(complete_words chronavell-date --class '')" = "0 1 2 3 4 5 6 7 8 9" ] \
    || fail "no check digits offered after --class"
[ "$(complete_words chronavell-date --class = 4)" = 4 ] || fail "no check digit after --class="
[ -z "$(complete_words chronavell-date -- --)" ] || fail "options offered after --"
echo "debian/ agrees with the program"
