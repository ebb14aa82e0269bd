#!/usr/bin/env python3
"""Draws the PNG images of our skins "royale" and "slate" into skins/<name>/.

Run from anywhere: python3 tools/make_skins.py. Only the standard library is used (zlib
writes the PNGs), so the images are reproducible byte for byte. Shapes are signed distance
fields: a pixel's coverage is 0.5 minus its distance to the edge, which anti-aliases every
edge by one pixel. Colours are straight (not premultiplied), as PNG wants.
"""
import math
import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "skins")


# ---------------------------------------------------------------- PNG and pixel buffers

def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) floats 0..1, straight colour."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter type None
        for r, g, b, a in row:
            raw += bytes(round(max(0.0, min(1.0, v)) * 255) for v in (r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def canvas(width, height):
    return [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]


def over(dst, colour, alpha):
    """Straight-colour source-over of one colour with coverage alpha onto a pixel."""
    if alpha <= 0.0:
        return dst
    dr, dg, db, da = dst
    a = alpha + da * (1.0 - alpha)
    if a <= 0.0:
        return dst
    k = da * (1.0 - alpha)
    return tuple((c * alpha + d * k) / a for c, d in zip(colour, (dr, dg, db))) + (a,)


def paint(img, shader):
    """shader(x, y) -> list of (colour, alpha) layers, bottom first, at pixel centres."""
    for y, row in enumerate(img):
        for x in range(len(row)):
            p = row[x]
            for colour, alpha in shader(x + 0.5, y + 0.5):
                p = over(p, colour, alpha)
            row[x] = p


# ---------------------------------------------------------------- shapes and colour

def cover(d):
    """Coverage of a pixel whose centre lies d pixels outside an edge (negative inside)."""
    return max(0.0, min(1.0, 0.5 - d))


def smooth(e0, e1, v):
    t = max(0.0, min(1.0, (v - e0) / (e1 - e0)))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(hex_text):
    v = int(hex_text, 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0)


def seg_dist(px, py, ax, ay, bx, by):
    """Distance to segment a-b and the position t (0 at a, 1 at b) of the nearest point."""
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - ax - vx * t, py - ay - vy * t), t


def tapered(px, py, ax, ay, ra, bx, by, rb):
    """Signed distance to a stroke from a (radius ra) to b (radius rb)."""
    d, t = seg_dist(px, py, ax, ay, bx, by)
    return d - (ra + (rb - ra) * t)


def round_box(px, py, cx, cy, hw, hh, r):
    qx = abs(px - cx) - hw + r
    qy = abs(py - cy) - hh + r
    return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r


def triangle(px, py, pts):
    """Signed distance to a triangle, whichever way round its corners are given."""
    (x0, y0), (x1, y1), (x2, y2) = pts
    turn = -1.0 if (x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0) < 0 else 1.0
    inside_d = -1e9
    outside_d = 1e9
    outside = False
    for i in range(3):
        ax, ay = pts[i]
        bx, by = pts[(i + 1) % 3]
        ex, ey = bx - ax, by - ay
        n = math.hypot(ex, ey)
        side = turn * ((px - ax) * ey - (py - ay) * ex) / n  # > 0 outside this edge
        inside_d = max(inside_d, side)
        if side > 0:
            outside = True
        outside_d = min(outside_d, seg_dist(px, py, ax, ay, bx, by)[0])
    return outside_d if outside else inside_d


# ---------------------------------------------------------------- skin parts

class Palette:
    def __init__(self, **kw):
        self.__dict__.update(kw)


def round_face(size, pal):
    """A round dial in a metal bezel, with a soft drop shadow and hour ticks."""
    c = size / 2.0
    outer = c - 8.0
    groove = outer - 8.0

    def shader(x, y):
        dx, dy = x - c, y - c
        r = math.hypot(dx, dy)
        layers = []
        shadow = math.hypot(dx, dy - 2.5) - outer
        layers.append(((0.0, 0.0, 0.0), 0.5 * (1.0 - smooth(-3.0, 6.0, shadow))))
        # Bezel lit from the top left.
        light = 0.5 - 0.5 * (dx + dy) / (r * 1.4142 + 1e-9)
        bezel = mix(pal.metal_dark, pal.metal_light, light)
        bezel = mix(bezel, pal.metal_light, 0.6 * smooth(outer - 2.5, outer - 0.5, r))
        layers.append((bezel, cover(r - outer)))
        layers.append((pal.metal_dark, cover(abs(r - groove - 0.5) - 1.0)))
        dial = mix(pal.dial_centre, pal.dial_edge, smooth(0.0, groove, r))
        layers.append((dial, cover(r - groove + 0.5)))
        layers.append((pal.ring, 0.35 * cover(abs(r - pal.ring_radius) - 0.4)))
        layers.extend(ticks(dx, dy, r, groove, pal))
        return layers

    return shader


def square_face(size, pal):
    """A rounded square slab with a round chapter ring, for the larger skin."""
    c = size / 2.0
    half = c - 9.0
    groove = half - 10.0

    def shader(x, y):
        dx, dy = x - c, y - c
        r = math.hypot(dx, dy)
        layers = []
        shadow = round_box(x, y - 3.0, c, c, half, half, 34.0)
        layers.append(((0.0, 0.0, 0.0), 0.55 * (1.0 - smooth(-4.0, 8.0, shadow))))
        body = round_box(x, y, c, c, half, half, 34.0)
        slab = mix(pal.metal_light, pal.metal_dark, smooth(-half, half, dy))
        slab = mix(slab, pal.metal_light, 0.5 * smooth(-2.5, -0.5, body))
        layers.append((slab, cover(body)))
        layers.append((pal.dial_edge, cover(round_box(x, y, c, c, half - 6, half - 6, 28.0))))
        dial = mix(pal.dial_centre, pal.dial_edge, smooth(0.0, groove, r))
        layers.append((dial, cover(r - groove)))
        layers.append((pal.ring, 0.8 * cover(abs(r - groove) - 0.7)))
        layers.append((pal.ring, 0.3 * cover(abs(r - pal.ring_radius) - 0.4)))
        layers.extend(ticks(dx, dy, r, groove, pal))
        return layers

    return shader


def ticks(dx, dy, r, groove, pal):
    """Minute dots and hour bars just inside the dial's edge."""
    if r < groove - 20.0 or r > groove:
        return []
    angle = math.atan2(dx, -dy)  # 0 at 12, clockwise
    minute = round(angle / (2 * math.pi) * 60) % 60
    a = minute * 2 * math.pi / 60
    sx, sy = math.sin(a), -math.cos(a)
    if minute % 5:
        d = math.hypot(dx - sx * (groove - 5), dy - sy * (groove - 5)) - 0.9
        return [(pal.minute_tick, 0.8 * cover(d))]
    long_tick = minute % 15 == 0
    inner = groove - (17.0 if long_tick else 13.0)
    width = 1.9 if long_tick else 1.3
    d = tapered(dx, dy, sx * inner, sy * inner, width, sx * (groove - 4), sy * (groove - 4), width)
    return [((0.0, 0.0, 0.0), 0.35 * cover(d - 1.0)), (pal.hour_tick, cover(d))]


def hand(width, height, tip, pivot, tail, base_r, tip_r, colour, edge, cap=None):
    """A hand pointing at 12: a stroke from tail (below the pivot) to tip."""
    cx = width / 2.0

    def shader(x, y):
        d = tapered(x, y, cx, tail, base_r, cx, tip, tip_r)
        shade = mix(colour, edge, smooth(-base_r, 0.3, d) * 0.6 + (0.2 if x > cx else 0.0))
        layers = [(shade, cover(d))]
        if cap:
            cap_r, cap_colour = cap
            dc = math.hypot(x - cx, y - pivot) - cap_r
            layers.append((mix(cap_colour, edge, smooth(-cap_r, 0.5, dc) * 0.5), cover(dc)))
        return layers

    return shader


def glass(size, radius, centre_y, strength):
    """A soft highlight across the top of the dial, clipped to it."""
    c = size / 2.0

    def shader(x, y):
        r = math.hypot(x - c, y - c)
        ex = (x - c * 0.86) / (radius * 0.95)
        ey = (y - centre_y) / (radius * 0.55)
        e = math.hypot(ex, ey)
        a = strength * (1.0 - smooth(0.25, 1.0, e)) * cover(r - radius)
        return [((1.0, 1.0, 1.0), a)]

    return shader


def button_strip(pal):
    """Six 16 x 16 frames: hover, normal and pressed jewels, then start, pause and reset."""
    def jewel(x, y, ox, lit, depth):
        d = math.hypot(x - ox - 8, y - 8) - 5.5
        light = 0.5 - 0.5 * ((x - ox - 8) + (y - 8)) / 7.8 * depth
        face = mix(mix(pal.metal_dark, pal.metal_light, light), pal.glow, lit)
        return [((0, 0, 0), 0.4 * cover(math.hypot(x - ox - 8, y - 8.8) - 6.2)), (face, cover(d))]

    def shader(x, y):
        frame = int(x // 16)
        ox = frame * 16
        if frame == 0:
            return [(pal.glow, 0.35 * (1 - smooth(4.0, 8.0, math.hypot(x - 8, y - 8))))] + \
                jewel(x, y, ox, 0.45, 1.0)
        if frame == 1:
            return jewel(x, y, ox, 0.0, 1.0)
        if frame == 2:
            return jewel(x, y, ox, 0.0, -1.0)
        if frame == 3:
            d = triangle(x - ox, y, [(5.5, 3.5), (5.5, 12.5), (12.5, 8.0)])
        elif frame == 4:
            d = min(round_box(x - ox, y, 6.0, 8, 1.4, 4.5, 0.6), round_box(x - ox, y, 10.5, 8, 1.4, 4.5, 0.6))
        else:
            dx, dy = x - ox - 8, y - 8
            ring = abs(math.hypot(dx, dy) - 4.2) - 0.9
            if dx > 0 and dy < 0 and dy < -abs(dx) * 0.5:
                ring = max(ring, 1.0)  # the gap the arrow points into
            head = triangle(x - ox, y, [(7.0, 1.2), (11.8, 3.8), (7.0, 6.4)])
            d = min(ring, head)
        return [((0, 0, 0), 0.45 * cover(d - 0.8)), (pal.icon, cover(d))]

    return shader


def pmam_pill(pal):
    def shader(x, y):
        d = round_box(x, y, 15, 6.5, 14, 6, 6)
        return [(pal.metal_dark, cover(d)), (pal.dial_centre, cover(d + 1.2))]
    return shader


# ---------------------------------------------------------------- the skins

def render(folder, name, width, height, shader):
    img = canvas(width, height)
    paint(img, shader)
    write_png(os.path.join(folder, name), width, height, img)


def make(name, size, face_shader, pal, glass_size, glass_radius, hands):
    folder = os.path.join(ROOT, name)
    os.makedirs(folder, exist_ok=True)
    render(folder, "face.png", size, size, face_shader(size, pal))
    render(folder, "glass.png", glass_size, glass_size,
           glass(glass_size, glass_radius, glass_size * 0.3, 0.32))
    render(folder, "buttons.png", 96, 16, button_strip(pal))
    render(folder, "pmam.png", 30, 13, pmam_pill(pal))
    for file_name, (w, h, args) in hands.items():
        render(folder, file_name, w, h, hand(w, h, *args))


ROYALE = Palette(
    metal_dark=rgb("6e4f1e"), metal_light=rgb("f4dc96"), dial_centre=rgb("22305a"),
    dial_edge=rgb("0c1230"), ring=rgb("e8c870"), ring_radius=44.0, minute_tick=rgb("b8aa88"),
    hour_tick=rgb("f0d890"), glow=rgb("fff0b0"), icon=rgb("f0dca0"))

SLATE = Palette(
    metal_dark=rgb("25292e"), metal_light=rgb("5c646e"), dial_centre=rgb("2a2f36"),
    dial_edge=rgb("15181c"), ring=rgb("3cc8c0"), ring_radius=58.0, minute_tick=rgb("7a848e"),
    hour_tick=rgb("e8eef2"), glow=rgb("a0fff4"), icon=rgb("bff5ef"))

if __name__ == "__main__":
    gold, gold_edge, red = rgb("f2d88e"), rgb("8a6424"), rgb("d83a30")
    make("royale", 192, round_face, ROYALE, 192, 80.0, {
        # name: width, height, (tip y, pivot y, tail y, base radius, tip radius, colour, edge, cap)
        "hours.png": (12, 58, (6.0, 46.0, 53.0, 3.4, 1.6, gold, gold_edge)),
        "minutes.png": (10, 80, (5.0, 66.0, 74.0, 2.8, 1.2, gold, gold_edge)),
        "seconds.png": (10, 92, (4.0, 70.0, 86.0, 1.1, 0.6, red, rgb("7a1810"), (3.2, red))),
    })
    white, steel, teal = rgb("f4f7fa"), rgb("8c969e"), rgb("3cc8c0")
    # Its glass is half size: the clock stretches it over the face.
    make("slate", 240, square_face, SLATE, 120, 50.5, {
        "hours.png": (14, 68, (6.0, 54.0, 62.0, 4.0, 2.0, white, steel)),
        "minutes.png": (12, 96, (5.0, 80.0, 89.0, 3.2, 1.4, white, steel)),
        "seconds.png": (10, 110, (4.0, 86.0, 104.0, 1.1, 0.7, teal, rgb("1c6e68"), (3.6, teal))),
    })
