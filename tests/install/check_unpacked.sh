#!/usr/bin/env bash
# The package unpacked into a temporary root works from there: the three
# programs answer --help and --version without a window system, q716-cli
# writes and resaves channel files, and the manual with every picture it
# shows, in English and in Chinese, is where F1 looks for it.
. "$(dirname "$0")/common.sh"
unpack
bin="$root/usr/bin"

for program in q716 q716-cli q716-sim; do
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --version) ||
        fail "$program --version failed"
    [ "$version" = "$program $VERSION" ] || fail "$program --version printed '$version'"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --help >"$scratch/help" ||
        fail "$program --help failed"
    grep -q "^Usage: .*$program" "$scratch/help" || fail "$program --help printed no usage line"
done

cli="$bin/q716-cli"
"$cli" new "$scratch/new.DAT" || fail "q716-cli new failed"
cat >"$scratch/plan.json" <<'PLAN'
{"band": 0, "channels": [{"channel": 1, "rxFrequency": "435.125", "rxTone": "67.0"}]}
PLAN
"$cli" build "$scratch/plan.json" "$scratch/plan.DAT" || fail "q716-cli build failed"
for file in new plan; do
    "$cli" resave "$scratch/$file.DAT" "$scratch/$file-again.DAT" || fail "q716-cli resave failed"
    [ "$(stat -c %s "$scratch/$file-again.DAT")" -eq 853 ] || fail "resave did not write 853 bytes"
    cmp -s "$scratch/$file.DAT" "$scratch/$file-again.DAT" || fail "resave changed $file.DAT"
done
cmp -s "$scratch/new.DAT" "$scratch/plan.DAT" && fail "the plan's channel was not saved"
if "$cli" resave "$scratch/plan.json" "$scratch/bad.DAT" 2>"$scratch/err"; then
    fail "resave accepted a file that is no channel file"
fi
grep -q "plan.json" "$scratch/err" || fail "resave's error does not name the file"
[ ! -e "$scratch/bad.DAT" ] || fail "a refused resave left a file behind"

doc="$root/usr/share/doc/q716"
for manual in manual.html manual.zh.html; do
    [ -f "$doc/$manual" ] || fail "no $manual in /usr/share/doc/q716"
    pictures=$(grep -o 'src="[^"]*"' "$doc/$manual" | sed 's/^src="//; s/"$//')
    [ -n "$pictures" ] || fail "$manual shows no pictures"
    for picture in $pictures; do
        [ -f "$doc/$picture" ] || fail "the picture $picture of $manual is not installed"
    done
done

# The desktop entry's manual actions: q716 --manual LANGUAGE hands the manual
# of that language to the desktop's opener (xdg-open, recorded here).
mkdir -p "$scratch/opener"
cat >"$scratch/opener/xdg-open" <<OPENER
#!/bin/sh
printf '%s' "\$1" >"$scratch/opened.tmp" && mv "$scratch/opened.tmp" "$scratch/opened"
OPENER
chmod +x "$scratch/opener/xdg-open"
for language in zh en; do
    manual=manual.html
    [ "$language" = zh ] && manual=manual.zh.html
    rm -f "$scratch/opened"
    xvfb-run -a env -u QT_QPA_PLATFORM PATH="$scratch/opener:$PATH" "$bin/q716" --manual "$language" ||
        fail "q716 --manual $language failed"
    for _ in $(seq 300); do [ -f "$scratch/opened" ] && break; sleep 0.1; done
    [ "$(cat "$scratch/opened" 2>/dev/null)" = "file://$doc/$manual" ] ||
        fail "q716 --manual $language opened '$(cat "$scratch/opened" 2>/dev/null)'"
done
echo "unpacked package works"
