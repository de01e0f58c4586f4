#!/usr/bin/env bash
# Makes res/namer.ico, the program's icon: the character 名 in white on a red seal, at 16, 24, 32 and 48 pixels.
# Needs ImageMagick and the WenQuanYi Micro Hei font (Debian packages imagemagick and fonts-wqy-microhei).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(16 24 32 48)
for s in "${sizes[@]}"; do
    r=$((s / 6))
    pt=$(((s * 78 + 50) / 100))
    convert -size "${s}x${s}" xc:none -fill '#C8281E' -draw "roundrectangle 0,0,$((s - 1)),$((s - 1)),$r,$r" \
        -font "$font" -fill white -pointsize "$pt" -gravity center -annotate +0+0 '名' "PNG32:$work/$s.png"
done
convert $(for s in "${sizes[@]}"; do echo "$work/$s.png"; done) "$root/res/namer.ico"
