#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a Linux desktop reads from it.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
expected=(
  "usr/bin/tollvane"
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/16x16/apps/$id.png"
  "usr/share/icons/hicolor/32x32/apps/$id.png"
)
for f in "${expected[@]}"; do
  [ -e "$root/$f" ] || { echo "FAILED: not installed: $f"; exit 1; }
done
[ -x "$root/usr/bin/tollvane" ] || { echo "FAILED: the program is not executable"; exit 1; }

file -b "$root/usr/share/icons/hicolor/16x16/apps/$id.png" | grep -q '16 x 16'
file -b "$root/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32'
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.00"' "$root/usr/share/metainfo/$id.metainfo.xml"
echo "installed and valid: ${expected[*]}"
