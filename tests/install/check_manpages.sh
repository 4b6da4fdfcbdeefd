#!/usr/bin/env bash
# The man pages cannot drift from the programs: every option, every q716-cli
# command and every hyphenated word that --help prints is in the page, the
# page has the usual sections, and man renders it without a warning.
. "$(dirname "$0")/common.sh"

check_page() {
    local program=$1 page="$SOURCE_DIR/docs/man/$1.1"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$2" --help >"$scratch/help" ||
        fail "$program --help failed"
    # The usage line names the program by its path.
    sed -i '/^Usage: /d' "$scratch/help"
    # The page as text: roff's \- is a plain hyphen, font changes go.
    sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page" >"$scratch/page"

    local words
    words=$( (grep -oP -- '(?<![\w-])--?[a-zA-Z][\w-]*' "$scratch/help"
        sed -n 's/^  q716-cli \([a-z]*\) .*/\1/p' "$scratch/help"
        grep -oP '(?<![\w-])[a-z]+(-[a-z]+)+' "$scratch/help" || true) | sort -u)
    [ -n "$words" ] || fail "nothing found in $program --help"
    for word in $words; do
        grep -qE -- "(^|[^a-zA-Z0-9-])$word([^a-zA-Z0-9-]|$)" "$scratch/page" ||
            fail "$program(1) does not describe '$word' of --help"
    done
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES "SEE ALSO"; do
        grep -qE "^\.SH \"?$section\"?$" "$page" || fail "$program(1) has no $section section"
    done
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$program(1): $warnings"
}

check_page q716 "$BUILD_DIR/src/app/q716"
check_page q716-cli "$BUILD_DIR/src/cli/q716-cli"
if [ -x "$BUILD_DIR/src/sim/q716-sim" ]; then
    check_page q716-sim "$BUILD_DIR/src/sim/q716-sim"
fi
echo "man pages describe every option"
