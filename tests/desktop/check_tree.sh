#!/usr/bin/env bash
# Checks an installed tree (ROOT/usr/...) as a Linux desktop reads it: every file in place, the
# icons at their sizes, and the desktop entry and metainfo valid.
#   check_tree.sh ROOT APP_ID
set -euo pipefail
root=$1
id=$2

expected=(
  usr/bin/tollvane
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/16x16/apps/$id.png"
  "usr/share/icons/hicolor/32x32/apps/$id.png"
  usr/share/man/man1/tollvane.1.gz
  usr/share/doc/tollvane/copyright
  usr/share/doc/tollvane/changelog.gz
)
for f in "${expected[@]}"; do
  [ -e "$root/$f" ] || { echo "FAILED: not installed: $f"; exit 1; }
done
[ -x "$root/usr/bin/tollvane" ] || { echo "FAILED: the program is not executable"; exit 1; }

for size in 16 32; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "$size x $size" ||
    { echo "FAILED: the ${size}x${size} icon is not $size pixels square"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.00"' "$root/usr/share/metainfo/$id.metainfo.xml" ||
  { echo "FAILED: the metainfo has no release 1.00"; exit 1; }
echo "in place and valid: ${expected[*]}"
