#!/usr/bin/env bash
# The MIME type of code plan files: the definition compiles with update-mime-database, and a
# code plan file is recognised by its tag even under another name.
set -euo pipefail
definition=$1 sample=$2

command -v update-mime-database >/dev/null || { echo "update-mime-database is missing (package shared-mime-info): skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$definition" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null
# The glob matches any case: update-mime-database stores it folded.
grep -qi '^50:application/x-vm280-plan:\*\.dat$' "$work/mime/globs2" || { echo "no glob *.DAT"; exit 1; }
grep -q 'TRZ28' "$work/mime/magic" || { echo "no magic TRZ28"; exit 1; }

if command -v gio >/dev/null; then
    cp "$sample" "$work/plan.bin"
    type=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work:/usr/share" gio info -a standard::content-type "$work/plan.bin" |
        sed -n 's/^ *standard::content-type: //p')
    [ "$type" = application/x-vm280-plan ] || { echo "a code plan file is taken for '$type'"; exit 1; }
fi
echo "mime type ok"
