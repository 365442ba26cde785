#!/usr/bin/env python3
"""Draws the program's pictures from geometry, so they can be redrawn rather than hand-edited.

Writes, into resources/:
  pretextor.ico       program icon: a black disc with three yellow blades (trefoil, no centre dot),
                      32x32 and 16x16, 16 colours, transparent outside the disc; and drawn
                      smooth in true colour at 48x48, 64x64 and 256x256 (that one as PNG)
  about.ico           About picture: a white computer on a cloud under a yellow halo, on blue,
                      32x32 and 16x16, 16 colours, opaque; and the same drawing, smooth, at 48,
                      64 and 256
  pretextor.svg       the program icon as vector paths
  icons/NxN/pretextor.png
                      16 and 32 copied pixel for pixel from the ICO images; 48 to 256 rendered
                      from the SVG with rsvg-convert (Debian package librsvg2-bin) when it is there
  icons/NxN/about.png 16 and 32, the About picture's ICO images pixel for pixel

Rerun after changing anything here:  python3 resources/tools/draw_icons.py
Standard library only.
"""

import math
import os
import shutil
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)

# The Windows 16-colour palette, in its usual index order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, OLIVE, NAVY, SILVER, GREY, LIME, YELLOW, BLUE, WHITE = 0, 3, 4, 7, 8, 10, 11, 12, 15

# Trefoil proportions, as fractions of half the icon's width; shared by the bitmaps and the SVG.
DISC_R = 0.95
BLADE_OUTER = 0.82
BLADE_INNER = 0.28
BLADE_ANGLES = (90.0, 210.0, 330.0)  # degrees, anticlockwise from "east", y up
BLADE_HALF_WIDTH = 30.0

SUB = 16  # subsamples per pixel side when measuring how much of a pixel a shape covers


def coverage(size, inside):
    """Fraction of each pixel whose subsamples satisfy inside(x, y); x, y in pixel units, y down."""
    return coverage_sub(size, SUB, inside)


# ---------------------------------------------------------------- program icon

def in_blade(x, y, c, r_in, r_out):
    dx, dy = x - c, c - y
    r = math.hypot(dx, dy)
    if r < r_in or r > r_out:
        return False
    a = math.degrees(math.atan2(dy, dx))
    for centre in BLADE_ANGLES:
        if abs((a - centre + 180.0) % 360.0 - 180.0) <= BLADE_HALF_WIDTH:
            return True
    return False


def trefoil(size, soften, disc_r=DISC_R, outer=BLADE_OUTER):
    """Palette indices and opacity for the program icon at one size.

    With soften, pixels only partly inside a blade turn olive, which reads as a blurred yellow
    edge on black; at 32x32 the plain threshold looks sharper.
    """
    c = size / 2.0
    half = size / 2.0
    disc = coverage(size, lambda x, y: math.hypot(x - c, y - c) <= disc_r * half)
    blade = coverage(size, lambda x, y: in_blade(x, y, c, BLADE_INNER * half, outer * half))
    pixels, opaque = [], []
    for py in range(size):
        prow, orow = [], []
        for px in range(size):
            b = blade[py][px]
            if soften and b >= 0.70 or not soften and b >= 0.5:
                colour = YELLOW
            elif soften and b >= 0.35:
                colour = OLIVE
            else:
                colour = BLACK
            prow.append(colour)
            orow.append(disc[py][px] >= 0.5)
        pixels.append(prow)
        opaque.append(orow)
    return pixels, opaque


def trefoil_svg():
    c, half = 128.0, 128.0
    ro, ri = BLADE_OUTER * half, BLADE_INNER * half

    def pt(r, deg):
        a = math.radians(deg)
        return "%.2f %.2f" % (c + r * math.cos(a), c - r * math.sin(a))

    paths = []
    for centre in BLADE_ANGLES:
        a0, a1 = centre - BLADE_HALF_WIDTH, centre + BLADE_HALF_WIDTH
        # Outer arc runs anticlockwise on screen (sweep 0), the inner one back (sweep 1).
        paths.append("M %s A %.2f %.2f 0 0 0 %s L %s A %.2f %.2f 0 0 1 %s Z" % (
            pt(ro, a0), ro, ro, pt(ro, a1), pt(ri, a1), ri, ri, pt(ri, a0)))
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="256" height="256" '
        'viewBox="0 0 256 256">\n'
        '  <title>VORN: Pretextor</title>\n'
        '  <circle cx="128" cy="128" r="%.2f" fill="#000000"/>\n'
        '  <path fill="#FFFF00" d="%s"/>\n'
        '</svg>\n' % (DISC_R * half, " ".join(paths)))


# ---------------------------------------------------------------- About picture

class Canvas:
    def __init__(self, size, colour):
        self.size = size
        self.px = [[colour] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Filled rectangle, corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def shape(self, inside, colour, threshold=0.5):
        cov = coverage(self.size, inside)
        for y in range(self.size):
            for x in range(self.size):
                if cov[y][x] >= threshold:
                    self.px[y][x] = colour


class SmoothCanvas:
    """The pixel canvas's drawing calls, in the 32-pixel design's units, drawn at another size in
    true colour: each pixel takes the share of a shape that covers it."""

    def __init__(self, size, colour, design=32):
        self.size = size
        self.scale = size / design
        self.sub = 3 if size > 128 else 6
        rgb = PALETTE[colour]
        self.px = [[list(rgb) for _ in range(size)] for _ in range(size)]

    def _blend(self, x, y, colour, amount):
        if amount <= 0.0:
            return
        target = self.px[y][x]
        for i, c in enumerate(PALETTE[colour]):
            target[i] = target[i] * (1.0 - amount) + c * amount

    def rect(self, x0, y0, x1, y1, colour):
        # Corners inclusive, as on the pixel canvas: the shape ends at x1 + 1, y1 + 1.
        left, top = x0 * self.scale, y0 * self.scale
        right, bottom = (x1 + 1) * self.scale, (y1 + 1) * self.scale
        for y in range(max(0, int(top)), min(self.size, int(math.ceil(bottom)))):
            dy = min(bottom, y + 1) - max(top, y)
            for x in range(max(0, int(left)), min(self.size, int(math.ceil(right)))):
                dx = min(right, x + 1) - max(left, x)
                self._blend(x, y, colour, dx * dy)

    def put(self, x, y, colour):
        self.rect(x, y, x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def shape(self, inside, colour, threshold=0.5):
        n, sub, scale = self.size, self.sub, self.scale
        for py in range(n):
            for px in range(n):
                hits = 0
                for sy in range(sub):
                    y = (py + (sy + 0.5) / sub) / scale
                    for sx in range(sub):
                        if inside((px + (sx + 0.5) / sub) / scale, y):
                            hits += 1
                self._blend(px, py, colour, hits / (sub * sub))

    def underside(self, inside, colour, depth=1.0):
        """The band of the shape just above its lower edge, depth design pixels high."""
        self.shape(lambda x, y: inside(x, y) and not inside(x, y + depth), colour)

    def rgba(self):
        return [[(round(r), round(g), round(b), 255) for r, g, b in row] for row in self.px]


def in_blobs(blobs, dy=0.0, shrink=0.0):
    def inside(x, y):
        for cx, cy, rx, ry in blobs:
            rx2, ry2 = rx - shrink, ry - shrink
            if rx2 > 0 and ry2 > 0 and ((x - cx) / rx2) ** 2 + ((y - cy - dy) / ry2) ** 2 <= 1.0:
                return True
        return False
    return inside


def cloud(canvas, blobs, lit_shift, lit_shrink):
    """A puff of overlapping ellipses: silver body, white where light falls from above, grey rim
    along the underside so it stands apart from the blue."""
    body = in_blobs(blobs)
    canvas.shape(body, SILVER)
    canvas.shape(in_blobs(blobs, -lit_shift, lit_shrink), WHITE)
    if isinstance(canvas, SmoothCanvas):
        canvas.underside(body, GREY)
        return
    n = canvas.size
    mask = [[canvas.px[y][x] in (SILVER, WHITE) for x in range(n)] for y in range(n)]
    for y in range(n):
        for x in range(n):
            if mask[y][x] and y + 1 < n and not mask[y + 1][x]:
                canvas.px[y][x] = GREY


def ring(canvas, cx, cy, rx, ry, width, threshold):
    def inside(x, y):
        outer = ((x - cx) / (rx + width / 2)) ** 2 + ((y - cy) / (ry + width / 2)) ** 2 <= 1.0
        inner = ((x - cx) / (rx - width / 2)) ** 2 + ((y - cy) / (ry - width / 2)) ** 2 <= 1.0
        return outer and not inner
    canvas.shape(inside, YELLOW, threshold)


def about32(k=None):
    k = k or Canvas(32, BLUE)
    # Round lobes along the bottom and sides so the outline scallops like a cloud's.
    cloud(k, [(4, 23, 4, 4), (6, 27, 4.5, 3.5), (13, 27.5, 5, 3.5), (21, 27.5, 5, 3.5),
              (27.5, 25.5, 4.5, 4), (27, 20.5, 4, 3.5), (15, 21, 10, 4.5)], 1.3, 1.0)
    ring(k, 12.5, 3.5, 6.0, 2.4, 1.0, 0.45)
    # Monitor: white bezel, black screen, grey shadow on its lower and right edges.
    k.rect(5, 7, 20, 17, WHITE)
    k.rect(7, 9, 18, 15, BLACK)
    k.rect(6, 17, 20, 17, GREY)
    k.rect(20, 8, 20, 17, GREY)
    k.rect(9, 10, 10, 10, GREY)  # glint on the glass
    k.rect(11, 18, 14, 18, SILVER)  # neck
    k.rect(9, 19, 16, 19, WHITE)  # foot
    k.rect(9, 20, 16, 20, GREY)
    # System unit: a tower beside the monitor, with drive slots and a power light.
    k.rect(22, 8, 27, 20, WHITE)
    k.rect(27, 9, 27, 20, GREY)
    k.rect(23, 20, 27, 20, GREY)
    k.rect(23, 10, 26, 10, BLACK)
    k.rect(23, 12, 26, 12, GREY)
    k.put(25, 18, LIME)
    # Keyboard in front, with rows of grey keys.
    k.rect(5, 22, 21, 25, WHITE)
    k.frame(5, 22, 21, 25, GREY)
    for x in range(7, 20, 2):
        k.put(x, 23, SILVER)
    for x in range(8, 19, 2):
        k.put(x, 24, SILVER)
    return k.px


def about16():
    # Too small for a glint, keys or drive slots: just the shapes. The cloud is mostly silver here
    # so the white computer parts stay apart from it.
    k = Canvas(16, BLUE)
    cloud(k, [(2, 12, 2.5, 2.5), (6, 13, 4.2, 2.1), (11.5, 13, 3.5, 2.1), (13.5, 11.5, 2.8, 2.8),
              (8, 10.5, 4.5, 1.5)], 1.0, 1.0)
    # Halo: an 8x3 outline with its corners cut, laid out by hand because a sampled ring this
    # small comes out as a box.
    k.rect(4, 0, 9, 0, YELLOW)
    k.rect(4, 2, 9, 2, YELLOW)
    k.put(3, 1, YELLOW)
    k.put(10, 1, YELLOW)
    k.rect(2, 4, 9, 9, WHITE)
    k.rect(3, 5, 8, 8, BLACK)
    k.rect(5, 10, 6, 10, GREY)  # neck
    k.rect(11, 4, 13, 11, WHITE)
    k.rect(13, 5, 13, 11, GREY)
    k.put(12, 5, BLACK)  # drive slot
    k.rect(2, 11, 9, 11, WHITE)
    k.rect(2, 12, 9, 12, GREY)
    return k.px


def trefoil_smooth(size):
    """The program icon in true colour: yellow over black by how much of a pixel a blade covers,
    as opaque as the disc covers it."""
    c = half = size / 2.0
    sub = 3 if size > 128 else 6
    disc = coverage_sub(size, sub, lambda x, y: math.hypot(x - c, y - c) <= DISC_R * half)
    blade = coverage_sub(size, sub,
                         lambda x, y: in_blade(x, y, c, BLADE_INNER * half, BLADE_OUTER * half))
    yellow, black = PALETTE[YELLOW], PALETTE[BLACK]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            b, a = blade[py][px], disc[py][px]
            rgb = tuple(round(k * b + j * (1.0 - b)) for k, j in zip(yellow, black))
            row.append(rgb + (round(255 * a),))
        rows.append(row)
    return rows


def coverage_sub(size, sub, inside):
    """As coverage, with sub subsamples per pixel side."""
    grid = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = 0
            for sy in range(sub):
                y = py + (sy + 0.5) / sub
                for sx in range(sub):
                    if inside(px + (sx + 0.5) / sub, y):
                        hits += 1
            row.append(hits / (sub * sub))
        grid.append(row)
    return grid


def about_smooth(size):
    k = SmoothCanvas(size, BLUE)
    about32(k)
    return k.rgba()


# ---------------------------------------------------------------- file formats

def ico_image(pixels, opaque):
    """One classic ICO image: BITMAPINFOHEADER, palette, 4-bit colour rows, 1-bit AND mask.

    Rows go bottom-up and are padded to 4 bytes; the header's height counts both bitmaps.
    Transparent pixels keep colour 0 so they vanish under the mask on every renderer.
    """
    n = len(pixels)
    xor_row = ((n * 4 + 31) // 32) * 4
    and_row = ((n + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(n)):
        row = bytearray(xor_row)
        for x in range(n):
            colour = pixels[y][x] if opaque[y][x] else BLACK
            row[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        xor += row
        row = bytearray(and_row)
        for x in range(n):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def ico_image_rgba(rgba):
    """One true-colour ICO image: BGRA rows bottom-up, then a 1-bit AND mask of the clear pixels."""
    n = len(rgba)
    and_row = ((n + 31) // 32) * 4
    colour, mask = bytearray(), bytearray()
    for y in reversed(range(n)):
        row = bytearray(and_row)
        for x in range(n):
            r, g, b, a = rgba[y][x]
            colour += bytes((b, g, r, a))
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(colour) + len(mask), 0, 0, 0,
                         0)
    return header + bytes(colour) + bytes(mask)


def png_bytes(rgba):
    n = len(rgba)
    raw = bytearray()
    for row in rgba:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_ico(path, images, smooth=()):
    """The 16-colour images, then true-colour ones; 256 pixels and up go in as PNG, as Windows
    expects."""
    entries = [(len(p), 16, 4, ico_image(p, o)) for p, o in images]
    for rgba in smooth:
        n = len(rgba)
        entries.append((n, 0, 32, png_bytes(rgba) if n >= 256 else ico_image_rgba(rgba)))
    blobs = [blob for _, _, _, blob in entries]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for n, colours, bits, blob in entries:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def write_png(path, pixels, opaque):
    n = len(pixels)
    raw = bytearray()
    for y in range(n):
        raw.append(0)  # no filter
        for x in range(n):
            r, g, b = PALETTE[pixels[y][x]]
            raw += bytes((r, g, b, 255)) if opaque[y][x] else bytes(4)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    data = (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    icon32 = trefoil(32, soften=False)
    # At 16 pixels the disc is pulled in a little so its edge has no lone pixels sticking out at
    # the four sides, and the blades with it so a black rim still shows.
    icon16 = trefoil(16, soften=True, disc_r=0.92, outer=0.77)
    sizes = (48, 64, 256)
    write_ico(os.path.join(OUT, "pretextor.ico"), [icon32, icon16],
              [trefoil_smooth(n) for n in sizes])
    solid = lambda px: (px, [[True] * len(px) for _ in px])
    about = [solid(about32()), solid(about16())]
    write_ico(os.path.join(OUT, "about.ico"), about, [about_smooth(n) for n in sizes])

    svg = os.path.join(OUT, "pretextor.svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(trefoil_svg())

    icons = os.path.join(OUT, "icons")
    write_png(os.path.join(icons, "16x16", "pretextor.png"), *icon16)
    write_png(os.path.join(icons, "32x32", "pretextor.png"), *icon32)
    # The Linux build reads PNG, which Qt decodes without loading an image plugin.
    write_png(os.path.join(icons, "32x32", "about.png"), *about[0])
    write_png(os.path.join(icons, "16x16", "about.png"), *about[1])

    rsvg = shutil.which("rsvg-convert")
    if not rsvg:
        print("rsvg-convert not found (apt-get install librsvg2-bin): larger PNGs left as they were",
              file=sys.stderr)
        return
    for n in (48, 64, 128, 256):
        target = os.path.join(icons, "%dx%d" % (n, n), "pretextor.png")
        os.makedirs(os.path.dirname(target), exist_ok=True)
        subprocess.run([rsvg, "-w", str(n), "-h", str(n), "-o", target, svg], check=True)


if __name__ == "__main__":
    main()
