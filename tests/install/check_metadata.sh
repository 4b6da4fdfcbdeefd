#!/usr/bin/env bash
# The desktop entry, the AppStream file, the MIME type and the icons of the
# package pass the ecosystem's own validators and name each other correctly.
. "$(dirname "$0")/common.sh"
unpack
share="$root/usr/share"
desktop="$share/applications/$APP_ID.desktop"
metainfo="$share/metainfo/$APP_ID.metainfo.xml"
mime="$share/mime/packages/$APP_ID.xml"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# No schema of shared-mime-info ships in Debian: check the XML, then let
# update-mime-database compile it, which rejects what it does not understand.
xmllint --noout "$mime" || fail "xmllint"
mkdir -p "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/"
XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" 2>"$scratch/mime-errors" ||
    fail "update-mime-database"
[ ! -s "$scratch/mime-errors" ] || fail "update-mime-database: $(cat "$scratch/mime-errors")"
type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$mime")
[ "$type" = application/x-q716-channels ] || fail "unexpected MIME type '$type'"
grep -q ":$type:\*\.dat$" "$scratch/mime/globs2" || fail "no *.dat glob compiled"
grep -qa "NXR54" "$scratch/mime/magic" || fail "no NXR54 magic compiled"

# One name throughout.
grep -qx "Icon=$APP_ID" "$desktop" || fail "the desktop entry's icon is not $APP_ID"
grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not open $type"
grep -qx "Exec=q716 %f" "$desktop" || fail "the desktop entry does not start q716 with a file"
# Its actions open the manual in each language the program speaks.
for language in zh en; do
    grep -qx "Exec=q716 --manual $language" "$desktop" ||
        fail "the desktop entry has no action opening the $language manual"
done
id=$(xmllint --xpath 'string(/component/id)' "$metainfo")
[ "$id" = "$APP_ID" ] || fail "AppStream id '$id'"
launchable=$(xmllint --xpath 'string(/component/launchable)' "$metainfo")
[ "$launchable" = "$APP_ID.desktop" ] || fail "AppStream launchable '$launchable'"
for picture in $(xmllint --xpath '//screenshot/image/text()' "$metainfo"); do
    [ -f "$SOURCE_DIR/docs/images/${picture##*/}" ] ||
        fail "screenshot $picture is not one of docs/images"
done

# Icons: the logo and square PNG renderings of their folder's size.
icons="$share/icons/hicolor"
cmp -s "$icons/scalable/apps/$APP_ID.svg" "$SOURCE_DIR/resources/images/logo.svg" ||
    fail "the scalable icon is not the logo"
for size in 48 128 256; do
    png="$icons/${size}x${size}/apps/$APP_ID.png"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
        fail "$png is ${width}x${height}, not ${size}x${size}"
done
echo "metadata valid"
