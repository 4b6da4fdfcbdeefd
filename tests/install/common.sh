# Shared by the install checks (sourced): a scratch folder removed on exit,
# the package the suite built, and unpacking it into a temporary root.
# The environment comes from tests/install/CMakeLists.txt: BUILD_DIR,
# SOURCE_DIR, VERSION, APP_ID.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

package_file() {
    local debs=("$BUILD_DIR/q716_${VERSION}_"*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
        fail "expected one package q716_${VERSION}_*.deb in $BUILD_DIR"
    echo "${debs[0]}"
}

# Sets $root to the unpacked package.
unpack() {
    root="$scratch/root"
    dpkg-deb -x "$(package_file)" "$root"
}
