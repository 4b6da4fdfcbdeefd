#!/usr/bin/env bash
# A new version number in CMakeLists.txt needs a new entry in the AppStream
# releases and the package changelog, and the man pages' version.
. "$(dirname "$0")/common.sh"
packaging="$SOURCE_DIR/packaging"
release=$(xmllint --xpath 'string(/component/releases/release[1]/@version)' \
    "$packaging/q716.metainfo.xml.in")
[ "$release" = "$VERSION" ] || fail "newest AppStream release is $release, not $VERSION"
read -r name changelog _ <"$packaging/changelog"
[ "$name $changelog" = "q716 ($VERSION)" ] || fail "newest changelog entry is $changelog, not $VERSION"
for page in "$SOURCE_DIR"/docs/man/*.1; do
    grep -q "^\.TH .* \"q716 $VERSION\" " "$page" || fail "${page##*/} does not say q716 $VERSION"
done
echo "version $VERSION everywhere"
