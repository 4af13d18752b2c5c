#!/usr/bin/env bash
# Renders the benchmark's real-typography sheets: letter-size pages of real
# text (the licence texts in /usr/share/common-licenses) set in the installed
# DejaVu and Liberation fonts at 8 to 14 points, in four layouts: a
# one-column article, a two-column page with a rule between the columns, a
# form with labelled ruled lines and a table of boxes, and a page with a
# photograph-like picture. Ghostscript sets the text (a small PostScript
# program wraps the words to the column) at 200 and 300 dpi; ImageMagick
# makes the picture. The sheets are upright and clean: the benchmark turns
# them, lays them on the scanner's backing and adds blur and noise itself, so
# that it knows the true answers.
# Output: <dir>/<layout>-<variant>-<dpi>.png and <dir>/list.txt ("file dpi"
# per line). Sheets already there are kept. Usage: render_pages.sh <dir>
set -euo pipefail
OUT="$1"
mkdir -p "$OUT"
LIC=/usr/share/common-licenses
FONTPATH=/usr/share/fonts/truetype/dejavu:/usr/share/fonts/truetype/liberation
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

# Variant: body font, bold font, body size in points, licence and its lines.
variant() {
  case "$1" in
    a) FONT=DejaVuSerif; BOLD=DejaVuSerif-Bold; PT=10; LICENCE=GPL-3; LINES="1,400" ;;
    b) FONT=LiberationSerif; BOLD=LiberationSerif-Bold; PT=12; LICENCE=Apache-2.0; LINES="1,300" ;;
    c) FONT=LiberationSans; BOLD=LiberationSans-Bold; PT=8; LICENCE=MPL-2.0; LINES="1,500" ;;
    d) FONT=DejaVuSans; BOLD=DejaVuSans-Bold; PT=14; LICENCE=LGPL-2.1; LINES="1,200" ;;
  esac
}

# The words of the text as PostScript strings, an empty string between
# paragraphs.
words_of() {
  sed -n "${LINES}p" "$LIC/$LICENCE" | sed 's/\\/\\\\/g; s/(/\\(/g; s/)/\\)/g' |
    awk '/^[ \t]*$/ { if (n) print "()"; n = 0; next } { for (i = 1; i <= NF; ++i) { print "(" $i ")"; ++n } }'
}

# Flows the words into the columns [x0 x1 ytop ybottom] (points) with the
# given leading; an empty word ends a paragraph.
PS_HEAD='
/flow { /lead exch def /cols exch def /words exch def
  /ci 0 def /col cols 0 get def /x col 0 get def /y col 2 get def
  /nextline { /x col 0 get def /y y lead sub def
    y col 3 get lt { /ci ci 1 add def ci cols length lt
      { /col cols ci get def /x col 0 get def /y col 2 get def } { /y -1000 def } ifelse } if } def
  words { /w exch def y -1000 gt {
    w length 0 eq { x col 0 get gt { nextline } if nextline }
    { w stringwidth pop x add col 1 get gt { nextline } if
      y -1000 gt { x y moveto w show /x currentpoint pop ( ) stringwidth pop add def } if } ifelse } if
  } forall } def
/F { findfont exch scalefont setfont } def
'

render() {  # layout variant dpi
  local layout=$1 v=$2 dpi=$3 out="$OUT/$1-$2-$3.png"
  [ -s "$out" ] && return 0
  variant "$v"
  local lead=$((PT * 6 / 5 + 1)) ttl=$((PT + 6))
  local top=$((792 - 72 - ttl - 14))
  {
    echo "$PS_HEAD"
    echo "0.1 0.16 0.42 setrgbcolor $ttl /$BOLD F 72 $((792 - 72 - ttl)) moveto"
    echo "($(sed -n 1p "$LIC/$LICENCE" | sed 's/^[ \t]*//; s/[\\()]//g' | cut -c1-40)) show 0 setgray"
    echo "$PT /$FONT F /words ["
    words_of
    echo "] def"
    case "$layout" in
      article) echo "words [[72 540 $top 72]] $lead flow" ;;
      twocol)
        echo "words [[72 297 $top 72] [315 540 $top 72]] $lead flow"
        echo "0.3 setgray 0.8 setlinewidth 306 $top moveto 306 72 lineto stroke" ;;
      form)
        local y=$top i r c
        echo "0.7 0.12 0.12 setrgbcolor 1.2 setlinewidth"
        for i in 1 2 3 4 5 6 7 8; do
          echo "0 setgray 72 $((y - PT)) moveto (Field $i:) show 0.7 0.12 0.12 setrgbcolor"
          echo "216 $((y - PT - 2)) moveto 540 $((y - PT - 2)) lineto stroke"
          y=$((y - PT * 2 - 6))
        done
        for r in 0 1 2 3 4; do for c in 0 1 2 3; do
          echo "$((72 + c * 117)) $((y - (r + 1) * 28)) 117 28 rectstroke"
          echo "0 setgray $((76 + c * 117)) $((y - (r + 1) * 28 + 9)) moveto (Item $((r * 4 + c + 1))) show 0.7 0.12 0.12 setrgbcolor"
        done; done
        echo "0 setgray words [[72 540 $((y - 5 * 28 - 20)) 72]] $lead flow" ;;
      photo)  # the picture is put in below; the text flows under its place
        echo "words [[72 540 $((top - 252 - 14)) 72]] $lead flow" ;;
    esac
    echo "showpage"
  } > "$TMP/page.ps"
  local W=$((dpi * 85 / 10)) H=$((dpi * 11))
  gs -q -dSAFER -dBATCH -dNOPAUSE -sFONTPATH="$FONTPATH" -sDEVICE=png16m -r"$dpi" -g"${W}x${H}" \
    -dTextAlphaBits=4 -dGraphicsAlphaBits=4 -sOutputFile="$TMP/page.png" "$TMP/page.ps"
  if [ "$layout" = photo ]; then
    # A photograph-like picture: a smooth random landscape of colour.
    local pw=$((dpi * 13 / 2)) ph=$((dpi * 7 / 2))
    convert -seed "$dpi$PT" -size "$((pw / 8))x$((ph / 8))" plasma:tan-steelblue -blur 0x1 \
      -resize "${pw}x${ph}!" "$TMP/pic.png"
    convert "$TMP/page.png" "$TMP/pic.png" -geometry +"$dpi"+$(((792 - top) * dpi / 72)) -composite "$TMP/page.png"
  fi
  mv "$TMP/page.png" "$out"
}

: > "$OUT/list.tmp"
for dpi in 200 300; do
  for layout in article twocol form photo; do
    for v in a b c d; do
      render "$layout" "$v" "$dpi"
      echo "$layout-$v-$dpi.png $dpi" >> "$OUT/list.tmp"
    done
  done
done
mv "$OUT/list.tmp" "$OUT/list.txt"
