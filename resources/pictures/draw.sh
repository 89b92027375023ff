#!/usr/bin/env bash
# Redraws the program's pictures with ImageMagick. The results are kept in
# the repository, so a build never needs this; run it after changing a
# drawing. Icons are 16-colour, as the window and tray icons are meant to be.
set -euo pipefail
cd "$(dirname "$0")"

# The program icon: a blue downward arrow holding a window.
convert -size 32x32 xc:none \
  -fill '#C0C0C0' -stroke '#404040' -draw 'rectangle 2,10 25,29' \
  -fill '#000080' -stroke none -draw 'rectangle 3,11 24,14' \
  -fill '#FFFFFF' -draw 'rectangle 4,16 23,28' \
  -fill '#808080' -draw 'rectangle 6,18 14,19' -draw 'rectangle 6,22 18,23' \
  -fill '#0000FF' -stroke '#000080' -draw 'polygon 18,1 26,1 26,12 30,12 22,22 14,12 18,12' \
  -colors 16 -type Palette ico:Tarvik.ico

# The update mark beside the localisation link: a globe with two arrows.
convert -size 16x16 xc:none \
  -fill '#0080FF' -stroke '#000080' -draw 'circle 7,8 7,2' \
  -fill '#00A000' -stroke none -draw 'polygon 4,5 7,4 8,7 5,9' -draw 'polygon 9,10 11,9 11,12' \
  -fill '#FF8000' -draw 'polygon 12,0 15,3 12,6' -draw 'polygon 3,10 0,13 3,15' \
  -colors 16 -type Palette ico:Update.ico

# The jump button's glyph: an open folder.
convert -size 16x16 xc:none \
  -fill '#C08000' -stroke '#604000' -draw 'polygon 1,3 5,3 6,5 13,5 13,13 1,13' \
  -fill '#FFD040' -stroke '#806000' -draw 'polygon 3,7 15,7 13,13 1,13' \
  -colors 16 -type Palette ico:OpenFolder.ico

# The header's background tile, stretched over the band.
convert -size 50x50 gradient:'#1E4F9C-#3C7FD0' -type TrueColor BMP3:HeaderTile.bmp

# The About dialog's banner with the maker's name.
convert -size 360x50 gradient:'#1E4F9C-#3C7FD0' -fill white \
  -font DejaVu-Sans-Bold -pointsize 22 -gravity west -annotate +16+0 'Orveta Software' \
  -type TrueColor BMP3:AboutBanner.bmp

# The donation button.
convert -size 62x31 xc:'#F0F0F0' -fill '#F0A020' -stroke '#A06000' \
  -draw 'roundrectangle 1,1 60,29 8,8' -stroke none -fill white \
  -font WenQuanYi-Micro-Hei -pointsize 14 -gravity center -annotate +0+0 '捐赠' \
  -type TrueColor BMP3:Donate.bmp
