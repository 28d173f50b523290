#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a Linux desktop reads from it.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
bash "$(dirname "$0")/check_tree.sh" "$root" "$id"
