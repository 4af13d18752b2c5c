#!/usr/bin/env bash
# Makes the bundled sample pages that the simulated scanner's feeder holds.
# Needs ImageMagick's convert. Each page carries its resolution, which the
# scanner uses to place it in the feed path (4.32 inches wide at most).
#   01-letter.png         typed letter, 4.25 x 10.5 in, 150 dpi, grey
#   02-business-card.png  business card, 3.5 x 2 in, 300 dpi, colour logo and red form lines
#   03-photo.jpg          photograph-like page, 4 x 6 in, 150 dpi, colour
#   04-short-sheet.png    short receipt-like sheet, 4 x 2.5 in, 200 dpi, grey
set -euo pipefail
cd "$(dirname "$0")"
common=(-strip -define png:exclude-chunk=date,time,tEXt,zTXt,iTXt -define png:include-chunk=pHYs -units PixelsPerInch)
fonts=/usr/share/fonts/truetype/dejavu
mono="$fonts/DejaVuSansMono.ttf"
mono_bold="$fonts/DejaVuSansMono-Bold.ttf"
sans="$fonts/DejaVuSans.ttf"
sans_bold="$fonts/DejaVuSans-Bold.ttf"

letter_text="Mirevo Office Supplies
14 Harbour Lane
Westfield

12 March

Dear Ms Alder,

Thank you for your order of the twelfth.
The filing cabinets you asked for are in
stock and will be delivered on Friday
morning, between nine and twelve.

Please make sure that someone is at the
loading door to sign for the goods. Our
driver will also collect the two damaged
drawers from your last delivery.

The invoice is enclosed. Payment is due
within thirty days of delivery.

Should you have any questions, please do
not hesitate to call our office.

Yours sincerely,



J. Pemberton
Sales Department"

convert -density 150 -size 638x1575 xc:white \
  -font "$mono" -pointsize 11 -fill '#202020' \
  -annotate +60+110 "$letter_text" \
  -fill none -stroke '#404040' -strokewidth 1 -draw 'line 60,1480 578,1480' \
  -colorspace Gray -depth 8 "${common[@]}" -density 150 01-letter.png

convert -density 300 -size 1050x600 xc:'#fbf8f0' \
  -fill '#1f5fbf' -draw 'circle 150,150 150,70' \
  -fill '#f28c1c' -draw 'rectangle 175,95 285,205' \
  -fill '#2e9e48' -draw 'polygon 90,250 150,190 210,250' \
  -font "$sans_bold" -pointsize 14 -fill '#1f3f7f' -annotate +320+150 'HARBOUR PRINT CO.' \
  -font "$sans" -pointsize 8 -fill black -annotate +320+215 'Cards, labels and forms' \
  -stroke '#d02020' -strokewidth 3 \
  -draw 'line 90,380 960,380' -draw 'line 90,460 960,460' -draw 'line 90,540 960,540' \
  -stroke none -fill '#d02020' -font "$sans" -pointsize 6 \
  -annotate +90+370 'Name' -annotate +90+450 'Telephone' -annotate +90+530 'Date' \
  -fill '#101010' -font "$mono" -pointsize 8 -annotate +320+365 'R. Okafor' \
  -depth 8 "${common[@]}" -density 300 02-business-card.png

convert -density 150 -size 600x900 gradient:'#7fb2e6'-'#f3e9c8' \
  \( -size 600x420 -seed 7 plasma:'#3f7f2f'-'#9fbf4f' -blur 0x2 \) -geometry +0+480 -composite \
  -fill '#f6d55c' -draw 'circle 450,200 450,140' \
  -fill '#5a4632' -draw 'rectangle 120,420 140,560' \
  -fill '#2f6f2f' -draw 'circle 130,400 130,330' \
  -depth 8 -quality 82 -sampling-factor 2x2 "${common[@]}" -density 150 03-photo.jpg

convert -density 200 -size 800x500 xc:white \
  -font "$mono_bold" -pointsize 11 -fill black -annotate +60+80 'CORNER CAFE' \
  -font "$mono" -pointsize 9 -annotate +60+150 'Coffee              2.40
Sandwich            4.90
Apple juice         1.80
-------------------------
TOTAL               9.10' \
  -colorspace Gray -depth 8 "${common[@]}" -density 200 04-short-sheet.png

ls -l 01-letter.png 02-business-card.png 03-photo.jpg 04-short-sheet.png
