#!/usr/bin/env bash
# `cmake --install` into a DESTDIR installs exactly the files of
# expected-files.txt: nothing missing, nothing extra.
. "$(dirname "$0")/common.sh"
DESTDIR="$scratch/dest" cmake --install "$BUILD_DIR" --prefix /usr >/dev/null || fail "cmake --install"
# Listed from the DESTDIR's root: a file outside the prefix would show too.
(cd "$scratch/dest" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$scratch/actual"
grep -v '^#' "$(dirname "$0")/expected-files.txt" | sed '/^$/d; s|^|usr/|' | sort >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/actual" || fail "installed files differ from expected-files.txt"
echo "$(wc -l <"$scratch/actual") files installed as expected"
