#!/bin/sh
# Draws the About box's two pictures with ImageMagick and the DejaVu font.
# Run from anywhere: sh about/make_pictures.sh. The PNG files it writes are
# committed; the build embeds them.
#
# Both are drawn on the strip colour, which is also their key colour (the
# bottom-left pixel): the edges of the letters blend into the colour the
# dialog's face really has.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
strip='#1A99CC'
red='#B71008'
dark='#0A5078'

# The maker's logo, 192 x 28: a red badge with the initials, then the name.
convert -size 192x28 "xc:$strip" \
  -fill "$red" -stroke white -strokewidth 1 -draw 'roundrectangle 2,2 29,25 5,5' \
  -stroke none -fill white -font "$font" -pointsize 14 -gravity NorthWest \
  -annotate +4+5 'OV' \
  -pointsize 17 -annotate +36+4 'Orlenta Vandra' \
  -fill "$dark" -draw 'rectangle 36,24 186,24' \
  "PNG24:$here/pictures/Image2.png"

# A decorative open book with a bookmark, 60 x 46.
convert -size 60x46 "xc:$strip" \
  -fill "$dark" -draw 'polygon 4,10 29,14 29,42 4,38' -draw 'polygon 56,10 31,14 31,42 56,38' \
  -fill white -draw 'polygon 5,8 29,12 29,40 5,36' -draw 'polygon 55,8 31,12 31,40 55,36' \
  -stroke "$dark" -strokewidth 1 \
  -draw 'line 9,15 25,18' -draw 'line 9,20 25,23' -draw 'line 9,25 25,28' -draw 'line 9,30 22,32' \
  -draw 'line 35,18 51,15' -draw 'line 35,23 51,20' -draw 'line 35,28 51,25' -draw 'line 35,32 48,30' \
  -stroke none -fill "$red" -draw 'polygon 44,2 50,2 50,16 47,13 44,16' \
  "PNG24:$here/pictures/Image3.png"
