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
#   vezuvazov.ico  the program's icon for Windows (the .exe, its shortcut and uninstall entry):
#                  frmMain's drawing at 16, 24, 32, 48, 64 and 256 pixels, 32-bit with alpha, the
#                  256-pixel image PNG-compressed, as Explorer, the Start menu and scaled screens
#                  ask for; the 16-pixel image is frmMain.ico's own pixel drawing
# frmMain's and vezuvazov.ico's drawn images are icon.svg, the program's scalable icon, rendered;
# icon.svg alone is kept by hand. The results are committed; the build compiles the pictures and
# window icons in as Qt resources (ui/CMakeLists.txt) and installs the theme icons (dist/).
#
# Needs ImageMagick 6 (convert), rsvg-convert (librsvg2-bin), icotool (icoutils) and the fonts
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
for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null || { echo "make-assets.sh: $tool not found" >&2; exit 1; }
done

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
    # A tick every 10 degrees, longer every 30.
    ticks="$(awk -v cx="$cx" -v cy="$cy" -v k="$k" 'BEGIN {
        for (d = 0; d < 360; d += 10) {
            a = d * (atan2(0, -1) / 180); r1 = (d % 30 ? 82 : 76) * k; r2 = 88 * k
            printf "%sline %.2f,%.2f %.2f,%.2f", (d ? " " : ""), cx + r1 * cos(a),
                cy + r1 * sin(a), cx + r2 * cos(a), cy + r2 * sin(a)
        } }')"
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

# The other window icons' artwork in a 48x48 coordinate space (ImageMagick MVG), read by
# smooth_icon through ${!name}, which shellcheck cannot follow.
# shellcheck disable=SC2034
MVG_about='stroke #000080 stroke-width 2.5 fill #0000ff circle 24,24 24,2.5
stroke none fill #ffffff circle 24,12.5 24,7.5
rectangle 19.5,19 28.5,39 rectangle 16,35 32,40 rectangle 16,19 24,23'
# shellcheck disable=SC2034
MVG_help='stroke #808000 stroke-width 2.5 fill #ffff00 circle 24,24 24,2.5'

# An icon's artwork at size x size with soft edges: drawn eight times larger, box-filtered down.
smooth_icon() { # name size [format:]out.png
    local name=$1 s=$2 big=$(($2 * 8)) mvg="MVG_$1" drawing extra=()
    if [[ $name == main ]]; then
        rsvg-convert -w "$big" -h "$big" -o "$tmp/main-big.png" "$out/icon.svg"
        drawing=("$tmp/main-big.png")
    else
        # MVG's units are pixels at 96 dpi: at 16 x size dpi the drawing is 8 x size wide.
        printf 'viewbox 0 0 48 48\n%s\n' "${!mvg}" >"$tmp/$name.mvg"
        drawing=(-background none -density $((16 * s)) "MVG:$tmp/$name.mvg" +density)
    fi
    if [[ $name == help ]]; then
        extra=(-font "$SANS_BOLD" -pointsize $((big * 34 / 48)) -gravity center
               -fill '#000000' -annotate "+0+$((big / 48))" '?')
    fi
    "$IM" "${drawing[@]}" "${extra[@]}" -filter Box -resize "${s}x${s}" -strip \
          -define png:exclude-chunks=date,time "$3"
}

# 48x48 and 32x32: the soft drawing mapped to the palette without dithering, its alpha cut to
# on/off at 50 %.
render_vector() { # name size out.png
    smooth_icon "$1" "$2" "$tmp/$1-$2-rgba.png"
    "$IM" \( "$tmp/$1-$2-rgba.png" -alpha off +dither -remap "$tmp/vga16.png" \) \
          \( "$tmp/$1-$2-rgba.png" -alpha extract -threshold 50% \) \
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
    "$IM" "XPM:$tmp/$1-16.xpm" -strip "PNG32:$2"
}

render_icon() { # name
    render_vector "$1" 48 "$tmp/$1-48.png"
    render_vector "$1" 32 "$tmp/$1-32.png"
    render_pixel16 "$1" "$tmp/$1-16.png"
}

make_icon() { # name out-file
    local name=$1 file=$2
    render_icon "$name"
    # The images have at most 16 palette colours and on/off alpha: 4-bpp BMPs with an AND mask.
    icotool -c -b 4 -o "$tmp/$file" "$tmp/$name-48.png" "$tmp/$name-32.png" "$tmp/$name-16.png"
    mv -f -- "$tmp/$file" "$out/$file"
}

# The program's icon for Windows, in true colour with soft edges; at 16 pixels the pixel
# drawing, which stays sharp where the soft one blurs. icotool stores the 256-pixel image as PNG
# (--raw), the others as 32-bit BMPs.
APP_ICON_SIZES=(16 24 32 48 64 256)
make_app_icon() { # name out-file
    local name=$1 file=$2 s png args=()
    for s in "${APP_ICON_SIZES[@]}"; do
        png="$tmp/app-$s.png"
        if ((s == 16)); then
            render_pixel16 "$name" "$png"
        else
            smooth_icon "$name" "$s" "PNG32:$png"
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
make_app_icon main vezuvazov.ico
make_icon about frmAbout.ico
make_twice_icon_pngs about frmAbout
make_icon help frmHelp.ico
make_twice_icon_pngs help frmHelp
