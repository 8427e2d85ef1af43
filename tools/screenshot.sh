#!/usr/bin/env bash
# Saves a picture of the display as a person would see it:
#
#     tools/screenshot.sh OUT.png [WIDTHxHEIGHT+X+Y]
#
# Under Xvfb, Wine's windows that overlap another of its windows read back
# black from the root window, while each window holds its true picture; so
# every mapped top-level window is read on its own and laid on the root's
# picture in stacking order, bottom first.
set -eu
out="$1"
crop="${2:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xwd -root -silent -display "$DISPLAY" | convert xwd:- "png:$work/root.png"
layers=("$work/root.png")
# xwininfo lists the root's children top-most first.
mapfile -t windows < <(xwininfo -root -children -display "$DISPLAY" |
  sed -n 's/^ *\(0x[0-9a-f]*\) .*  \([0-9]*\)x\([0-9]*\)+-\?[0-9]*+-\?[0-9]*  +\(-\?[0-9]*\)+\(-\?[0-9]*\)$/\1 \2 \3 \4 \5/p' | tac)
i=0
for entry in "${windows[@]}"; do
  read -r id width height x y <<<"$entry"
  [ "$width" -gt 1 ] && [ "$height" -gt 1 ] || continue
  xwininfo -id "$id" -display "$DISPLAY" | grep -q 'IsViewable' || continue
  i=$((i + 1))
  xwd -id "$id" -silent -display "$DISPLAY" 2>/dev/null | convert xwd:- "png:$work/w$i.png" 2>/dev/null || continue
  layers+=(-page "+$x+$y" "$work/w$i.png")
done
convert "${layers[@]}" -flatten ${crop:+-crop "$crop"} +repage "png:$out"
