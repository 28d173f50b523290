#!/usr/bin/env bash
# Builds the Debian package from a build folder, lists it, checks its fields and, unpacked, what a
# desktop reads from it (the same checks as for cmake --install), and runs lintian over it.
#   check_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/tollvane_1.00_*.deb)
echo "built $(basename "$deb")"

dpkg-deb -c "$deb"
for field in Package Version Architecture Maintainer Depends Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || { echo "FAILED: no $field field"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 ||
  { echo "FAILED: the computed dependencies lack Qt Widgets"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
bash "$(dirname "$0")/../desktop/check_tree.sh" "$work/root" "$id"

# Every tag, down to the pedantic ones, fails the test.
status=0
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" >"$work/lintian.log" 2>&1 ||
  status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$status" -eq 0 ] || { echo "FAILED: lintian reported the tags above"; exit 1; }
echo "package valid, lintian clean"
