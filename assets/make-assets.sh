#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the image assets of Vezuvazov (by Didadura) from drawing primitives:
#   title.jpg      469x60 progressive JPEG banner
#   about.jpg      300x300 baseline JPEG for the About window
#   title@2x.jpg   the same two pictures drawn at twice the size, for screens scaled to 150 % or
#   about@2x.jpg   more: 938x120 and 600x600
#   frmMain.ico    window icons, each holding 48x48, 32x32 and 16x16 images
#   frmAbout.ico   at 16 colours (4 bits per pixel) with a 1-bit transparency mask
#   frmHelp.ico
#   frmMain-64.png the window icons' drawing at twice the two larger sizes, for the same screens:
#   frmMain-96.png 64x64 and 96x96, 16 colours with on/off transparency (and the same for frmAbout
#                  and frmHelp)
#   icon-16.png    the program's icon in the desktop's icon theme: frmMain.ico's three images
#   icon-32.png    as 16-colour PNGs with on/off transparency
#   icon-48.png
#   icon.svg       the same artwork, scalable
#   vezuvazov.ico  the program's icon for Windows (the .exe, its shortcut and uninstall entry):
#                  frmMain's drawing at 16, 24, 32, 48, 64 and 256 pixels, 32-bit with alpha, the
#                  256-pixel image PNG-compressed, as Explorer, the Start menu and scaled screens
#                  ask for; the 16-pixel image is frmMain.ico's own pixel drawing
# The results are committed; the build compiles the pictures and window icons in as Qt resources
# (ui/CMakeLists.txt) and installs the theme icons (dist/).
#
# Needs ImageMagick 6 (convert), icotool (icoutils), python3 (standard library only, for the
# tick marks) and the fonts
# DejaVu Sans and Comic Neue. Runs from any working directory and writes next to
# itself. Metadata is stripped so the output does not depend on the build time.
set -euo pipefail

out="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"

# Use ImageMagick's own binary, not whatever "convert" is first in PATH.
IM=""
for c in /usr/bin/convert-im6.q16 /usr/bin/convert; do
    if [[ -x "$c" ]]; then IM="$c"; break; fi
done
[[ -n "$IM" ]] || { echo "make-assets.sh: ImageMagick 6 convert not found" >&2; exit 1; }
command -v icotool >/dev/null || { echo "make-assets.sh: icotool (icoutils) not found" >&2; exit 1; }

SANS_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
COMIC_BOLD=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf
for f in "$SANS_BOLD" "$SANS" "$COMIC_BOLD"; do
    [[ -r "$f" ]] || { echo "make-assets.sh: font missing: $f" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf -- "$tmp"' EXIT

# The pictures are drawn at a scale k (1, or 2 for their twice-as-large versions): every length of
# the drawing is multiplied by k, so that both come from the same primitives.

# Gradient used as a tile to paint gold-to-red lettering. Rows 0-11 light,
# 12-39 the gradient, below that dark red (rows times k); width is the image width.
text_fill() { # width file k
    local k=$3
    "$IM" \( -size "$1"x$((12 * k)) xc:'#fff6d0' \) \
          \( -size "$1"x$((14 * k)) gradient:'#fff6d0'-'#ffb000' \) \
          \( -size "$1"x$((14 * k)) gradient:'#ffb000'-'#c02800' \) \
          \( -size "$1"x$((280 * k)) xc:'#c02800' \) -append "$2"
}

# ---------------------------------------------------------------- title.jpg
make_title() { # k file
    local k=$1 file=$2 W=$((469 * $1)) H=$((60 * $1)) T='Vezuvazov'
    text_fill "$W" "$tmp/title-fill.png" "$k"
    # Dark red on the left fading to black on the right, darker towards the bottom.
    "$IM" \( -size "${H}x${W}" gradient:'#4a0c00'-'#0a0000' -rotate -90 \) \
          \( -size "${W}x${H}" gradient:'#ffffff'-'#505050' \) \
          -compose multiply -composite \
          \( -size "${W}x${H}" xc:none -font "$SANS_BOLD" -pointsize $((38 * k)) \
             -fill black -annotate +$((66 * k))+$((42 * k)) "$T" -blur 0x$((2 * k)) \) \
          -compose over -composite \
          \( -size "${W}x${H}" xc:none -font "$SANS_BOLD" -pointsize $((38 * k)) \
             -fill '#3a0800' -stroke '#3a0800' -strokewidth $((3 * k)) \
             -annotate +$((64 * k))+$((40 * k)) "$T" \) -composite \
          -font "$SANS_BOLD" -pointsize $((38 * k)) -tile "$tmp/title-fill.png" \
          -annotate +$((64 * k))+$((40 * k)) "$T" +tile \
          -fill none -stroke '#ff7a00' -strokewidth $((2 * k)) \
          -draw "circle $((30 * k)),$((30 * k)) $((30 * k)),$((10 * k))" \
          -stroke '#ffb040' -strokewidth $((2 * k)) \
          -draw "line $((30 * k)),$((4 * k)) $((30 * k)),$((16 * k)) line $((30 * k)),$((44 * k)) $((30 * k)),$((56 * k)) line $((4 * k)),$((30 * k)) $((16 * k)),$((30 * k)) line $((44 * k)),$((30 * k)) $((56 * k)),$((30 * k))" \
          -stroke none -fill '#ff2000' -draw "circle $((30 * k)),$((30 * k)) $((30 * k)),$((27 * k))" \
          -stroke '#ff7a00' -strokewidth $((1 * k)) \
          -draw "line $((318 * k)),$((12 * k)) $((318 * k)),$((48 * k))" -stroke none \
          -font "$SANS" -pointsize $((13 * k)) -fill '#ffd9a0' \
          -annotate +$((328 * k))+$((27 * k)) 'Counter-Strike' \
          -annotate +$((328 * k))+$((44 * k)) 'Buy Script Maker' \
          -colorspace sRGB -type TrueColor -strip \
          -interlace JPEG -quality 90 "JPEG:$tmp/$file"
    mv -f -- "$tmp/$file" "$out/$file"
}

# ---------------------------------------------------------------- about.jpg
make_about() { # k file
    local k=$1 file=$2 S=$((300 * $1)) cx=$((150 * $1)) cy=$((158 * $1)) T='Vezuvazov' grid="" ticks
    local i
    for i in $(seq 10 20 290); do
        grid+="line $((i * k)),0 $((i * k)),$((S - 1)) line 0,$((i * k)) $((S - 1)),$((i * k)) "
    done
    ticks="$(python3 -c '
import math, sys
cx, cy, k = float(sys.argv[1]), float(sys.argv[2]), int(sys.argv[3])
out = []
for d in range(0, 360, 10):
    a = math.radians(d)
    r1 = (82 if d % 30 else 76) * k
    r2 = 88 * k
    out.append("line %.2f,%.2f %.2f,%.2f" % (cx + r1 * math.cos(a), cy + r1 * math.sin(a),
                                             cx + r2 * math.cos(a), cy + r2 * math.sin(a)))
print(" ".join(out))' "$cx" "$cy" "$k")"
    text_fill "$S" "$tmp/about-fill.png" "$k"
    # Radar-like grid, fixed-seed grain, a scope with tick marks, the name on
    # top and the author underneath.
    "$IM" -size "${S}x${S}" radial-gradient:'#6a1800'-'#000000' \
          -fill none -stroke '#ff7a0028' -strokewidth $((1 * k)) -draw "$grid" \
          -seed 1 -attenuate 0.25 +noise Gaussian \
          -stroke '#ff8a20' -strokewidth $((3 * k)) -draw "circle $cx,$cy $cx,$((cy - 90 * k))" \
          -stroke '#ffb050' -strokewidth $((2 * k)) -draw "$ticks" \
          -stroke '#c04000' -strokewidth $((2 * k)) \
          -draw "circle $cx,$cy $cx,$((cy - 30 * k))" -draw "circle $cx,$cy $cx,$((cy - 60 * k))" \
          -stroke '#ffd080' -strokewidth $((3 * k)) \
          -draw "line $cx,$((cy - 104 * k)) $cx,$((cy - 22 * k)) line $cx,$((cy + 22 * k)) $cx,$((cy + 104 * k))" \
          -draw "line $((cx - 104 * k)),$cy $((cx - 22 * k)),$cy line $((cx + 22 * k)),$cy $((cx + 104 * k)),$cy" \
          -stroke none -fill '#ff2a00' -draw "circle $cx,$cy $cx,$((cy - 7 * k))" \
          -fill '#ffd0a0' -draw "circle $((cx - 2 * k)),$((cy - 2 * k)) $((cx - 2 * k)),$((cy - 4 * k))" \
          \( -size "${S}x${S}" xc:none -font "$SANS_BOLD" -pointsize $((36 * k)) -gravity north \
             -fill black -annotate +$((2 * k))+$((8 * k)) "$T" -blur 0x$((2 * k)) \) \
          -gravity northwest -compose over -composite \
          \( -size "${S}x${S}" xc:none -font "$SANS_BOLD" -pointsize $((36 * k)) -gravity north \
             -fill '#3a0800' -stroke '#3a0800' -strokewidth $((3 * k)) -annotate +0+$((6 * k)) "$T" \) \
          -composite \
          -font "$SANS_BOLD" -pointsize $((36 * k)) -gravity north -tile "$tmp/about-fill.png" \
          -stroke none -annotate +0+$((6 * k)) "$T" +tile \
          -font "$COMIC_BOLD" -pointsize $((22 * k)) -gravity south \
          -fill black -annotate +$((1 * k))+$((5 * k)) 'by Didadura' \
          -fill '#ffd9a0' -annotate +0+$((6 * k)) 'by Didadura' \
          -colorspace sRGB -type TrueColor -strip \
          -interlace none -quality 90 "JPEG:$tmp/$file"
    mv -f -- "$tmp/$file" "$out/$file"
}

# ---------------------------------------------------------------- icons
# The 16 colours of the classic Windows/VGA palette; every icon image is
# mapped onto it (index 0 is black, used for the transparent pixels).
VGA=('#000000' '#800000' '#008000' '#808000' '#000080' '#800080' '#008080' '#c0c0c0'
     '#808080' '#ff0000' '#00ff00' '#ffff00' '#0000ff' '#ff00ff' '#00ffff' '#ffffff')

make_palette() {
    local args=() c
    for c in "${VGA[@]}"; do args+=("xc:$c"); done
    "$IM" "${args[@]}" +append "$tmp/vga16.png"
}

# Vector artwork in a 48x48 coordinate space (ImageMagick MVG), read by
# render_vector through ${!name}, which shellcheck cannot follow.
# shellcheck disable=SC2034
MVG_main='stroke #000000 stroke-width 7 fill none circle 24,24 24,7
line 24,1 24,15 line 24,33 24,47 line 1,24 15,24 line 33,24 47,24
stroke #ff0000 stroke-width 3.5 circle 24,24 24,7
stroke #ffffff stroke-width 3 line 24,2.5 24,14 line 24,34 24,45.5 line 2.5,24 14,24 line 34,24 45.5,24
stroke #000000 stroke-width 1.5 fill #ff0000 circle 24,24 24,19.5'
# shellcheck disable=SC2034
MVG_about='stroke #000080 stroke-width 2.5 fill #0000ff circle 24,24 24,2.5
stroke none fill #ffffff circle 24,12.5 24,7.5
rectangle 19.5,19 28.5,39 rectangle 16,35 32,40 rectangle 16,19 24,23'
# shellcheck disable=SC2034
MVG_help='stroke #808000 stroke-width 2.5 fill #ffff00 circle 24,24 24,2.5'

# The main icon's artwork in SVG: the same drawing as MVG_main.
make_main_svg() {
    cat > "$tmp/icon.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <g fill="none">
    <circle cx="24" cy="24" r="17" stroke="#000000" stroke-width="7"/>
    <path d="M24 1V15M24 33V47M1 24H15M33 24H47" stroke="#000000" stroke-width="7"/>
    <circle cx="24" cy="24" r="17" stroke="#ff0000" stroke-width="3.5"/>
    <path d="M24 2.5V14M24 34V45.5M2.5 24H14M34 24H45.5" stroke="#ffffff" stroke-width="3"/>
  </g>
  <circle cx="24" cy="24" r="4.5" fill="#ff0000" stroke="#000000" stroke-width="1.5"/>
</svg>
EOF
    mv -f -- "$tmp/icon.svg" "$out/icon.svg"
}

# 48x48 and 32x32: draw 8x larger, box-filter down, map to the palette
# without dithering and cut the alpha to on/off at 50 %.
render_vector() { # name size out.png
    local name=$1 s=$2 big=$(( $2 * 8 )) mvg extra=()
    local scale
    scale="$(python3 -c "print($big / 48)")"
    mvg="MVG_$name"
    if [[ $name == help ]]; then
        extra=(-font "$SANS_BOLD" -pointsize $(( big * 34 / 48 )) -gravity center
               -fill '#000000' -annotate "+0+$(( big / 48 ))" '?')
    fi
    "$IM" -size "${big}x${big}" xc:none -draw "scale $scale,$scale ${!mvg}" "${extra[@]}" \
          -filter Box -resize "${s}x${s}" "$tmp/$name-$s-rgba.png"
    "$IM" \( "$tmp/$name-$s-rgba.png" -alpha off +dither -remap "$tmp/vga16.png" \) \
          \( "$tmp/$name-$s-rgba.png" -alpha extract -threshold 50% \) \
          -alpha off -compose CopyOpacity -composite "PNG32:$3"
}

# 16x16: drawn pixel by pixel (XPM), vector art gets muddy at this size.
xpm16() { # name -> XPM text on stdout
    local rows
    case $1 in
    main) rows='
"......KWWK......",
"....RRKWWKRR....",
"...RRrKWWKrRR...",
"..RRr.KKKK.rRR..",
".RRr........rRR.",
".Rr..........rR.",
"KKKK........KKKK",
"WWWK...RR...KWWW",
"WWWK...RR...KWWW",
"KKKK........KKKK",
".Rr..........rR.",
".RRr........rRR.",
"..RRr.KKKK.rRR..",
"...RRrKWWKrRR...",
"....RRKWWKRR....",
"......KWWK......"' ;;
    about) rows='
".....bbbbbb.....",
"...bbBBBBBBbb...",
"..bBBBBWWBBBBb..",
".bBBBBBWWBBBBBb.",
".bBBBBBBBBBBBBb.",
"bBBBBBWWWBBBBBBb",
"bBBBBBBWWBBBBBBb",
"bBBBBBBWWBBBBBBb",
"bBBBBBBWWBBBBBBb",
"bBBBBBBWWBBBBBBb",
"bBBBBBBWWBBBBBBb",
".bBBBBWWWWBBBBb.",
".bBBBBBBBBBBBBb.",
"..bBBBBBBBBBBb..",
"...bbBBBBBBbb...",
".....bbbbbb....."' ;;
    help) rows='
".....oooooo.....",
"...ooYYYYYYoo...",
"..oYYYKKKKYYYo..",
".oYYYKKYYKKYYYo.",
".oYYYKKYYKKYYYo.",
"oYYYYYYYYKKYYYYo",
"oYYYYYYYKKYYYYYo",
"oYYYYYYKKYYYYYYo",
"oYYYYYYKKYYYYYYo",
"oYYYYYYYYYYYYYYo",
"oYYYYYYKKYYYYYYo",
".oYYYYYKKYYYYYo.",
".oYYYYYYYYYYYYo.",
"..oYYYYYYYYYYo..",
"...ooYYYYYYoo...",
".....oooooo....."' ;;
    esac
    cat <<EOF
/* XPM */
static char *icon16[] = {
"16 16 10 1",
". c None",
"K c #000000",
"W c #FFFFFF",
"R c #FF0000",
"r c #800000",
"B c #0000FF",
"b c #000080",
"Y c #FFFF00",
"o c #808000",
"G c #C0C0C0",
${rows#$'\n'}
};
EOF
}

render_pixel16() { # name out.png
    xpm16 "$1" > "$tmp/$1-16.xpm"
    "$IM" "XPM:$tmp/$1-16.xpm" "PNG32:$2"
}

# Packs PNGs (already at most 16 palette colours plus on/off alpha) into one .ico whose entries
# are 4-bpp BMPs with an AND mask.
pack_ico() { # out.ico png...
    local ico=$1; shift
    icotool -c -b 4 -o "$ico" "$@"
}

render_icon() { # name
    render_vector "$1" 48 "$tmp/$1-48.png"
    render_vector "$1" 32 "$tmp/$1-32.png"
    render_pixel16 "$1" "$tmp/$1-16.png"
}

make_icon() { # name out-file
    local name=$1 file=$2
    render_icon "$name"
    pack_ico "$tmp/$file" "$tmp/$name-48.png" "$tmp/$name-32.png" "$tmp/$name-16.png"
    mv -f -- "$tmp/$file" "$out/$file"
}

# The program's icon for Windows, in true colour with soft edges: the vector drawing box-filtered
# down from eight times the size; at 16 pixels the pixel drawing, which stays sharp where the
# vector one blurs. icotool stores the 256-pixel image as PNG (--raw), the others as 32-bit BMPs.
APP_ICON_SIZES=(16 24 32 48 64 256)
make_app_icon() { # name out-file
    local name=$1 file=$2 s png args=() big mvg scale
    mvg="MVG_$name"
    for s in "${APP_ICON_SIZES[@]}"; do
        png="$tmp/app-$s.png"
        if ((s == 16)); then
            xpm16 "$name" > "$tmp/app-16.xpm"
            "$IM" "XPM:$tmp/app-16.xpm" -strip "PNG32:$png"
        else
            big=$((s * 8))
            scale="$(python3 -c "print($big / 48)")"
            "$IM" -size "${big}x${big}" xc:none -draw "scale $scale,$scale ${!mvg}" \
                  -filter Box -resize "${s}x${s}" -strip \
                  -define png:exclude-chunks=date,time "PNG32:$png"
        fi
        if ((s == 256)); then args+=("--raw=$png"); else args+=("$png"); fi
    done
    icotool -c -b 32 -o "$tmp/$file" "${args[@]}"
    mv -f -- "$tmp/$file" "$out/$file"
}

# A palette PNG without a time stamp.
save_png8() { # in.png out-file
    "$IM" "$1" -strip -define png:exclude-chunks=date,time "PNG8:$tmp/$2"
    mv -f -- "$tmp/$2" "$out/$2"
}

# The images make_icon packs, each as a palette PNG.
make_icon_pngs() { # name
    local s
    for s in 16 32 48; do save_png8 "$tmp/$1-$s.png" "icon-$s.png"; done
}

# The window icon's drawing at 64 and 96 pixels, twice its two larger sizes.
make_twice_icon_pngs() { # name base
    local s
    for s in 64 96; do
        render_vector "$1" "$s" "$tmp/$1-$s.png"
        save_png8 "$tmp/$1-$s.png" "$2-$s.png"
    done
}

make_title 1 title.jpg
make_title 2 title@2x.jpg
make_about 1 about.jpg
make_about 2 about@2x.jpg
make_palette
make_icon main frmMain.ico
make_icon_pngs main
make_twice_icon_pngs main frmMain
make_main_svg
make_app_icon main vezuvazov.ico
make_icon about frmAbout.ico
make_twice_icon_pngs about frmAbout
make_icon help frmHelp.ico
make_twice_icon_pngs help frmHelp
