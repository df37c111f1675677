#!/usr/bin/env bash
# Builds the Debian packages kelmo and kelmo-cli with dpkg-buildpackage from a
# copy of the source tree, so that the build leaves nothing in the tree and
# nothing beside it, and puts the .deb files in OUT_DIR.
# Usage: build-debian-package.sh SOURCE_DIR OUT_DIR
set -euo pipefail
source=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files git knows of, or would add, without the build trees it ignores;
# from a tree that is no git checkout, all but build/.
copy=$work/kelmo
mkdir "$copy"
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$source" ls-files -z --cached --others --exclude-standard |
    (cd "$source" && tar --null --files-from=- --ignore-failed-read -cf -) | tar -xf - -C "$copy"
else
  tar -C "$source" --exclude=./build -cf - . | tar -xf - -C "$copy"
fi

(cd "$copy" && dpkg-buildpackage -b -us -uc -jauto)
mv "$work"/*.deb "$out"/
ls "$out"/*.deb
