#!/usr/bin/env bash
# Builds the Debian package, checks its name, dependencies and file list, runs the unpacked
# vm280-cli, and has lintian check it (no errors; warnings are printed).
set -euo pipefail
source_dir=$1 build_dir=$2

for tool in dpkg-deb dpkg-shlibdeps lintian cpack ninja; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh installs it): skipped"; exit 77; }
done

deb=$(JOBS=2 bash "$source_dir/scripts/build-package.sh" "$build_dir")
echo "package: $deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = vm280 ] || fail "the package is not named vm280"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libopencc-data qt6-translations-l10n libqt6core6 libqt6widgets6 libqt6serialport6; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . -type f -o -type l | sed 's|^\./|/|' | sort) >"$work/files"
outside=$(grep -v '^/usr/' "$work/files" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
missing=0
while read -r expected; do
    grep -qx "$expected" "$work/files" || { echo "missing from the package: $expected"; missing=1; }
done <<'LIST'
/usr/bin/vm280
/usr/bin/vm280-cli
/usr/bin/vm280-radio
/usr/share/applications/io.github.vm280.vm280.desktop
/usr/share/metainfo/io.github.vm280.vm280.metainfo.xml
/usr/share/mime/packages/vm280.xml
/usr/share/icons/hicolor/scalable/apps/vm280.svg
/usr/share/icons/hicolor/16x16/apps/vm280.png
/usr/share/icons/hicolor/22x22/apps/vm280.png
/usr/share/icons/hicolor/24x24/apps/vm280.png
/usr/share/icons/hicolor/32x32/apps/vm280.png
/usr/share/icons/hicolor/48x48/apps/vm280.png
/usr/share/icons/hicolor/64x64/apps/vm280.png
/usr/share/icons/hicolor/128x128/apps/vm280.png
/usr/share/icons/hicolor/256x256/apps/vm280.png
/usr/share/man/man1/vm280.1.gz
/usr/share/man/man1/vm280-cli.1.gz
/usr/share/man/man1/vm280-radio.1.gz
/usr/share/bash-completion/completions/vm280-cli
/usr/share/doc/vm280/README.md
/usr/share/doc/vm280/copyright
/usr/share/doc/vm280/changelog.gz
/usr/share/vm280/templates/PMR446.csv
/usr/share/vm280/templates/FRS.csv
/usr/share/vm280/templates/China-409MHz.csv
LIST
[ "$missing" -eq 0 ] || fail "files are missing"
# Data the tool ships lives in /usr/share/vm280; anything else is a file nobody asked for.
unexpected=$(grep -v -e '^/usr/bin/' -e '^/usr/share/vm280/' -e '^/usr/share/doc/vm280/' \
    -e '^/usr/share/icons/hicolor/' -e '^/usr/share/man/man1/' -e '^/usr/share/applications/' \
    -e '^/usr/share/metainfo/' -e '^/usr/share/mime/packages/' -e '^/usr/share/bash-completion/' "$work/files" || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

cli=$work/root/usr/bin/vm280-cli
version=$("$cli" --version)
[[ $version =~ ^vm280-cli\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "vm280-cli --version says '$version'"
"$cli" new -o "$work/x.DAT"
"$cli" templates | grep -q '^PMR446 ' || fail "the unpacked vm280-cli does not find its templates"
[ "$(stat -c %s "$work/x.DAT")" -eq 853 ] || fail "vm280-cli new wrote $(stat -c %s "$work/x.DAT") bytes"
[ "$(head -c 5 "$work/x.DAT")" = TRZ28 ] || fail "vm280-cli new wrote no code plan file"
"$work/root/usr/bin/vm280-radio" --help >/dev/null || fail "the unpacked vm280-radio does not start"

# Lintian refuses nothing it reports as a warning; those are listed for the record.
lintian --fail-on error --display-info "$deb" | tee "$work/lintian" || fail "lintian reports errors"
echo "lintian: $(grep -c '^E:' "$work/lintian" || true) errors, $(grep -c '^W:' "$work/lintian" || true) warnings"
echo "package ok"
