#!/bin/sh
# Builds contact sheets of the generated pictures so they can be checked by eye.
# Usage: scripts/contact_sheet.sh [IMAGES_FOLDER] [OUT_FOLDER]
set -eu
images=${1:-build/bin/images}
out=${2:-/tmp}
[ -d "$images" ] || { echo "no picture folder: $images" >&2; exit 1; }
sheet() {
    name=$1; shift
    montage -background '#101216' -fill '#9aa4b2' -pointsize 10 -label '%t' \
        -geometry +6+6 "$@" "$out/contact_$name.png"
    echo "$out/contact_$name.png"
}
cd "$images"
sheet buttons -tile 6x bt_*.bmp Bt_*.bmp
ls sub/general/*.bmp | sort -t/ -k3 -n | tr '\n' ' ' > /tmp/.vc_cs_general
ls sub/move/*.bmp | sort -t/ -k3 -n | tr '\n' ' ' > /tmp/.vc_cs_move
# shellcheck disable=SC2046
sheet profiles_general -tile 6x $(cat /tmp/.vc_cs_general)
# shellcheck disable=SC2046
sheet profiles_move -tile 6x $(cat /tmp/.vc_cs_move)
sheet picker -tile 4x main/general/*.bmp main/move/*.bmp sub/page_*.bmp main/[0-9].bmp main/1[0-9].bmp main/*Converter.bmp main/icon.png
rm -f /tmp/.vc_cs_general /tmp/.vc_cs_move
