#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures how a button's caption stands out from its face in a screenshot (read by Pillow).

Usage: button-contrast.py PICTURE NAME=X,Y,W,H ...
For each button rectangle (pixels of the picture) prints its face colour, its text colour and
their contrast ratio by the WCAG 2 formula; exits with status 1 when any ratio is below 4.5:1,
the least WCAG asks of normal text.

The face is the commonest colour inside the button, its frame left out; the text is the colour
of the caption's strongest strokes: the median of the few pixels that differ most from the face
(a thin font's anti-aliased edges would otherwise understate a dark text).
"""
import sys
from collections import Counter

from PIL import Image

MINIMUM_RATIO = 4.5
FRAME = 3  # pixels of bevel or theme border kept out of the measurement
STROKE_PIXELS = 5


def pixels(picture, x, y, w, h):
    return list(picture.crop((x, y, x + w, y + h)).getdata())


def luminance(rgb):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(one, other):
    lighter, darker = sorted((luminance(one), luminance(other)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def measure(picture, x, y, w, h):
    inner = pixels(picture, x + FRAME, y + FRAME, w - 2 * FRAME, h - 2 * FRAME)
    face = Counter(inner).most_common(1)[0][0]
    strongest = sorted(inner, key=lambda p: ratio(p, face))[-STROKE_PIXELS:]
    text = strongest[len(strongest) // 2]
    return face, text, ratio(face, text)


def hex_colour(rgb):
    return "#{:02x}{:02x}{:02x}".format(*rgb)


def main(path, buttons):
    picture = Image.open(path).convert("RGB")
    all_readable = True
    for button in buttons:
        name, rect = button.split("=", 1)
        face, text, contrast = measure(picture, *(int(v) for v in rect.split(",")))
        all_readable &= contrast >= MINIMUM_RATIO
        print("{}: text {} on face {}: {:.1f}:1".format(name, hex_colour(text), hex_colour(face),
                                                         contrast))
    return 0 if all_readable else 1


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
