#!/usr/bin/env bash
# An independent reader of the EMF and WMF files: LibreOffice converts each to PNG, and the
# result must look roughly like the PNG tarlix-cli writes of the same picture. Both are reduced
# to 150 x 100 black and white pixels; the box holding the ink must agree within a few pixels
# and the share of ink within a factor (a missing grid, lost curves or an empty page fail;
# differences of fonts and smoothing pass). Skipped, saying why, where LibreOffice or
# ImageMagick is not installed.
#   metafiles-libreoffice.sh TARLIX-CLI
set -euo pipefail
cli=$1
skip=77
margin=6      # pixels the ink's boxes may differ by at each edge
share=1.6     # the factor the shares of ink may differ by

if ! command -v soffice >/dev/null; then
  echo "SKIPPED: soffice (LibreOffice) is not installed, so no EMF or WMF is converted"
  exit $skip
fi
if ! command -v convert >/dev/null; then
  echo "SKIPPED: ImageMagick's convert is not installed, so the pictures cannot be compared"
  exit $skip
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
picture=(plot -y "2sin x" -y "x^2/4-2" -c "x^2+y^2<4" --figure "P=(1,2)" --size 300x200)

# "LEFT TOP RIGHT BOTTOM INK" of the picture reduced to 150 x 100 black and white pixels.
measure() {
  convert "$1" -background white -flatten -colorspace Gray -resize '150x100!' -threshold 90% \
    -format '%@ %[fx:1-mean]' info: 2>/dev/null |
    awk '{ split($1, g, /[x+]/); print g[3], g[4], g[3] + g[1], g[4] + g[2], $2 }'
}

"$cli" "${picture[@]}" -o "$work/p.png"
read -r -a expected <<<"$(measure "$work/p.png")"
status=0
for type in emf wmf; do
  "$cli" "${picture[@]}" -o "$work/p.$type"
  mkdir -p "$work/$type"
  soffice --headless --convert-to png --outdir "$work/$type" "$work/p.$type" >/dev/null 2>&1 || true
  if [[ ! -s "$work/$type/p.png" ]]; then
    echo "FAIL: LibreOffice made no picture of the $type file"
    status=1
    continue
  fi
  read -r -a got <<<"$(measure "$work/$type/p.png")"
  verdict=$(awk -v e="${expected[*]}" -v g="${got[*]}" -v m="$margin" -v s="$share" 'BEGIN {
    if (split(e, a, " ") != 5 || split(g, b, " ") != 5) { print "it could not be measured"; exit }
    for (i = 1; i <= 4; i++) if (b[i] - a[i] > m || a[i] - b[i] > m) { print "its ink lies elsewhere"; exit }
    if (b[5] * s < a[5] || b[5] > a[5] * s) { print "it holds another share of ink"; exit }
    print "ok" }')
  if [[ "$verdict" == ok ]]; then
    echo "ok: the $type picture (ink box and share ${got[*]}) matches the PNG's (${expected[*]})"
  else
    echo "FAIL: the $type picture differs from the PNG: $verdict (${got[*]} against ${expected[*]})"
    status=1
  fi
done
exit $status
