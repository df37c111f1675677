#!/usr/bin/env bash
# make icons: renders resources/kelmo.svg into the PNG sizes the package
# installs in the hicolor theme. The PNGs are committed, so that building
# Kelmo needs no SVG renderer; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh icons
for size in 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" resources/kelmo.svg >"resources/icons/kelmo-$size.png"
done
echo "Rendered resources/icons/kelmo-{48,64,128,256}.png"
