#!/usr/bin/env bash
# chronavell-date against GNU date on one file of a million ISO dates.
#
#   bench/cli/run.sh [--no-build] [RUNS]
#
# Writes the file once (a fixed sweep over the years 1 to 9999), then RUNS rounds (default 7),
# each timing `chronavell-date -` and `date -f FILE +%F` on it, one after the other, so that a
# slow spell of the machine falls on both alike; output goes to /dev/null for both. GNU date
# runs twice a round: in the environment as given, and with TZ=UTC, which spares it the look
# at /etc/localtime that glibc makes for every line while TZ is unset. Prints the median wall
# time of each, the ratios, and the peak resident memory of one more run of each.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$repo/build"
runs=7
build_first=true
while [ $# -gt 0 ]; do
    case "$1" in
        --no-build) build_first=false ;;
        -*) echo "usage: $0 [--no-build] [RUNS]" >&2; exit 2 ;;
        *) runs=$1 ;;
    esac
    shift
done

if $build_first; then
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target chronavell-date >/dev/null
fi
program="$build/cli/chronavell-date"
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dates="$work/dates.txt"

# Day i of the sweep is day (i * 7919) mod N of the N days from 0001-01-01 to 9999-12-31,
# turned into year, month and day by the usual days-to-civil arithmetic (March-based years).
awk 'BEGIN {
    count = 3652059
    for (i = 0; i < 1000000; i++) {
        z = (i * 7919) % count - 719162 + 719468
        era = int(z / 146097)
        doe = z - era * 146097
        yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
        doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
        mp = int((5 * doy + 2) / 153)
        d = doy - int((153 * mp + 2) / 5) + 1
        m = mp < 10 ? mp + 3 : mp - 9
        printf "%04d-%02d-%02d\n", yoe + era * 400 + (m <= 2), m, d
    }
}' > "$dates"

# Both read the same file without a complaint; date writes every line back unchanged.
"$program" - < "$dates" > "$work/imperial.txt" || { echo "chronavell-date refused a line" >&2; exit 1; }
date -f "$dates" +%F | cmp -s - "$dates" || { echo "date read the file otherwise" >&2; exit 1; }

nanoseconds() {
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    echo $((end - start))
}

: > "$work/cli" ; : > "$work/date" ; : > "$work/date-utc"
for ((round = 1; round <= runs; round++)); do
    nanoseconds "$program" - < "$dates" >> "$work/cli"
    nanoseconds date -f "$dates" +%F >> "$work/date"
    nanoseconds env TZ=UTC date -f "$dates" +%F >> "$work/date-utc"
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
peak() { /usr/bin/time -f %M "$@" > /dev/null 2> "$work/peak" < "$dates"; tail -n 1 "$work/peak"; }

cli=$(median "$work/cli")
plain=$(median "$work/date")
utc=$(median "$work/date-utc")
echo "$(nproc)-core $(uname -m), $(date -I), $runs rounds, 1000000 lines, medians:"
awk -v c="$cli" -v p="$plain" -v u="$utc" \
    -v mc="$(peak "$program" -)" -v mp="$(peak date -f "$dates" +%F)" -v mu="$(peak env TZ=UTC date -f "$dates" +%F)" 'BEGIN {
    printf "  chronavell-date -        %8.1f ms  %6.1f ns/line  peak %6d KiB\n", c / 1e6, c / 1e6, mc
    printf "  date -f FILE +%%F         %8.1f ms  %6.1f ns/line  peak %6d KiB  ratio %5.1f\n", p / 1e6, p / 1e6, mp, p / c
    printf "  TZ=UTC date -f FILE +%%F  %8.1f ms  %6.1f ns/line  peak %6d KiB  ratio %5.1f\n", u / 1e6, u / 1e6, mu, u / c
}'
