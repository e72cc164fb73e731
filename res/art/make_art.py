#!/usr/bin/python3
"""Draws the launcher's artwork: the background, the four button images and the icon.

The build uses the committed PNG and ICO files; run this only to change the art:

    /usr/bin/python3 res/art/make_art.py

Needs Debian's python3-pil, python3-numpy and fonts-urw-base35 (the title face):
    apt-get install python3-pil python3-numpy fonts-urw-base35
Output is the same on every run (fixed random seeds). Preview the background
over a checkerboard with res/art/preview.py.
"""
import os
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE_FONT = "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf"

W, H = 1257, 877            # the launcher background
PANEL = (363, 308, 1020, 733)  # inner dark area, inclusive; the server list covers it
MINIMIZE_RECT = (962, 237, 62, 59)
EXIT_RECT = (1018, 249, 58, 88)
EXIT_SIZE = (52, 80)
MINIMIZE_SIZE = (57, 61)
SS = 4                      # supersampling of every drawn mask: anti-aliased edges


# --- masks and arrays ---------------------------------------------------------------------

def mask(size, draw_fn, ss=SS):
    """A coverage mask (float 0..1) drawn at ss times the size and scaled down."""
    w, h = size
    img = Image.new("L", (w * ss, h * ss), 0)
    draw_fn(ImageDraw.Draw(img), ss)
    img = img.resize((w, h), Image.BOX)
    return np.asarray(img, dtype=np.float32) / 255.0


def box_blur(a, r, axis):
    if r < 1:
        return a
    pad = [(0, 0)] * a.ndim
    pad[axis] = (r + 1, r)
    c = np.cumsum(np.pad(a, pad, mode="edge"), axis=axis, dtype=np.float64)
    n = a.shape[axis]
    hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
    lo = np.take(c, np.arange(0, n), axis=axis)
    return ((hi - lo) / (2 * r + 1)).astype(np.float32)


def blur(a, radius):
    """About a Gaussian of this radius: three box blurs each way."""
    r = max(1, int(round(radius / 1.7)))
    for _ in range(3):
        a = box_blur(box_blur(a, r, 0), r, 1)
    return a


def ramp(t, stops):
    """Colours along t (0..1) through (position, (r, g, b)) stops."""
    xs = [s[0] for s in stops]
    out = np.zeros(t.shape + (3,), np.float32)
    for ch in range(3):
        out[..., ch] = np.interp(t, xs, [s[1][ch] for s in stops])
    return out


def relief(m, radius, depth=6.0, light=(-0.55, -0.75, 0.9)):
    """Light falling on the mask as if it were raised: 0 dark side .. 1 lit side, 0.5 flat."""
    h = blur(m, radius) * depth
    gy, gx = np.gradient(h)
    n = np.stack([-gx, -gy, np.ones_like(h)], -1)
    n /= np.linalg.norm(n, axis=-1, keepdims=True)
    l = np.array(light, np.float32)
    l /= np.linalg.norm(l)
    flat = l[2]
    d = n @ l
    return np.clip(0.5 + (d - flat) * 2.2, 0, 1)


GOLD = [(0.0, (52, 30, 10)), (0.3, (125, 80, 28)), (0.55, (196, 146, 62)),
        (0.8, (243, 206, 120)), (1.0, (255, 246, 206))]
BRONZE_DARK = [(0.0, (14, 10, 8)), (0.5, (44, 32, 26)), (1.0, (96, 74, 52))]


def gold(m, radius=2.0, depth=6.0, tint=0.0):
    t = relief(m, radius, depth)
    c = ramp(t, GOLD)
    if tint:
        c = c * (1 - tint) + np.array([255, 230, 160], np.float32) * tint
    return c


class Layer:
    """Straight-alpha RGBA canvas in float, composited with 'over'."""

    def __init__(self, w, h, rgb=(0, 0, 0), a=0.0):
        self.rgb = np.zeros((h, w, 3), np.float32) + np.array(rgb, np.float32)
        self.a = np.full((h, w), a, np.float32)

    def over(self, rgb, a):
        a = np.clip(a, 0, 1)
        rgb = np.broadcast_to(np.asarray(rgb, np.float32), self.rgb.shape)
        out_a = a + self.a * (1 - a)
        safe = np.where(out_a > 1e-6, out_a, 1)
        self.rgb = (rgb * a[..., None] + self.rgb * (self.a * (1 - a))[..., None]) / safe[..., None]
        self.a = out_a

    def paste(self, image, x, y):
        """Composites an RGBA PIL image with its top left at x, y."""
        arr = np.asarray(image.convert("RGBA"), np.float32)
        h, w = arr.shape[:2]
        sub = Layer(w, h)
        sub.rgb, sub.a = self.rgb[y:y + h, x:x + w].copy(), self.a[y:y + h, x:x + w].copy()
        sub.over(arr[..., :3], arr[..., 3] / 255.0)
        self.rgb[y:y + h, x:x + w], self.a[y:y + h, x:x + w] = sub.rgb, sub.a

    def image(self, alpha=True):
        rgb = np.clip(np.rint(self.rgb), 0, 255).astype(np.uint8)
        if not alpha:
            return Image.fromarray(rgb, "RGB")
        a = np.clip(np.rint(self.a * 255), 0, 255).astype(np.uint8)
        return Image.fromarray(np.dstack([rgb, a]), "RGBA")


def noise(shape, scale, seed):
    rng = np.random.default_rng(seed)
    n = rng.random(shape).astype(np.float32)
    n = blur(n, scale)
    n -= n.min()
    return n / max(n.max(), 1e-6)


def grid(w, h):
    return np.mgrid[0:h, 0:w].astype(np.float32)


# --- shapes ---------------------------------------------------------------------------------

def notched_rect(d, s, box, notch):
    """A rectangle whose corners are cut by quarter circles (concave corners)."""
    x0, y0, x1, y1 = [v * s for v in box]
    r = notch * s
    d.rectangle([x0, y0, x1, y1], fill=255)
    for cx, cy in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
        d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=0)


def scaled(points, s):
    return [(x * s, y * s) for x, y in points]


def crest_points(cx, top, base, half):
    """Pointed arch: from the base out to the sides, curving up to the tip."""
    pts = []
    for i in range(41):
        t = i / 40
        # Ogee-like curve: shoulders swell, then sweep in to the tip.
        x = cx - half * (1 - t) ** 0.85
        y = base - (base - top) * (np.sin(t * np.pi / 2) ** 1.6)
        pts.append((x, y))
    right = [(2 * cx - x, y) for x, y in reversed(pts)]
    return pts + right[1:]


# --- buttons --------------------------------------------------------------------------------

def lantern(hot):
    w, h = EXIT_SIZE
    L = Layer(w, h)
    cx = w / 2

    def ring(d, s):
        d.ellipse([(cx - 5) * s, 1 * s, (cx + 5) * s, 11 * s], outline=255, width=int(2.2 * s))

    def cap(d, s):
        d.polygon(scaled([(cx - 9, 10), (cx + 9, 10), (cx + 21, 21), (cx - 21, 21)], s), fill=255)
        d.rounded_rectangle([(cx - 23) * s, 19 * s, (cx + 23) * s, 24 * s], radius=2 * s, fill=255)

    def foot(d, s):
        d.rounded_rectangle([(cx - 23) * s, 60 * s, (cx + 23) * s, 65 * s], radius=2 * s, fill=255)
        d.polygon(scaled([(cx - 20, 64), (cx + 20, 64), (cx + 9, 71), (cx - 9, 71)], s), fill=255)
        d.polygon(scaled([(cx - 4, 70), (cx + 4, 70), (cx, 79)], s), fill=255)

    def glass(d, s):
        d.rounded_rectangle([(cx - 19) * s, 23 * s, (cx + 19) * s, 61 * s], radius=7 * s, fill=255)

    def bars(d, s):
        for x in (cx - 19, cx + 19):
            d.line([(x * s, 23 * s), (x * s, 61 * s)], fill=255, width=int(3.2 * s))
        d.line([(cx * s, 23 * s), (cx * s, 27 * s)], fill=255, width=int(2 * s))
        d.line([(cx * s, 57 * s), (cx * s, 61 * s)], fill=255, width=int(2 * s))

    def cross(d, s):
        k = 9.5
        cy = 42
        for a, b in (((cx - k, cy - k), (cx + k, cy + k)), ((cx + k, cy - k), (cx - k, cy + k))):
            d.line([(a[0] * s, a[1] * s), (b[0] * s, b[1] * s)], fill=255, width=int(5 * s))
        d.ellipse([(cx - 3) * s, (cy - 3) * s, (cx + 3) * s, (cy + 3) * s], fill=255)

    m_glass = mask((w, h), glass)
    yy, xx = grid(w, h)
    r = np.sqrt(((xx - cx) / 19) ** 2 + ((yy - 42) / 20) ** 2)
    if hot:
        glow = ramp(np.clip(1 - r, 0, 1), [(0, (150, 40, 10)), (0.5, (250, 140, 40)), (1, (255, 246, 190))])
    else:
        glow = ramp(np.clip(1 - r, 0, 1), [(0, (70, 16, 8)), (0.5, (170, 60, 18)), (1, (240, 150, 60))])

    if hot:  # warm halo around the whole lantern
        body = np.maximum.reduce([mask((w, h), f) for f in (ring, cap, foot, glass)])
        halo = blur(body, 4) * 0.55
        L.over((255, 170, 60), halo)
    L.over(glow, m_glass)
    # Glass sheen: a soft light streak on the left.
    sheen = mask((w, h), lambda d, s: d.ellipse([(cx - 15) * s, 26 * s, (cx - 9) * s, 56 * s], fill=255))
    L.over((255, 240, 210), blur(sheen, 1.5) * m_glass * (0.35 if hot else 0.22))
    m_cross = mask((w, h), cross)
    L.over((30, 6, 2), blur(m_cross, 1.6) * 0.8 * m_glass)  # cross shadow in the glass
    L.over(gold(m_cross, 1.2, 5, tint=0.25 if hot else 0.0), m_cross)
    for f in (bars, ring, cap, foot):
        m = mask((w, h), f)
        L.over(gold(m, 1.3, 5, tint=0.2 if hot else 0.0), m)
    return L.image()


def medallion(size, hot, symbol):
    """Round gold-rimmed button with pointed tips above and below; symbol draws the mark."""
    w, h = size
    L = Layer(w, h)
    cx, cy = w / 2, h / 2
    R = 24.5

    def tips(d, s):
        d.polygon(scaled([(cx - 6, 8), (cx, 0.5), (cx + 6, 8)], s), fill=255)
        d.polygon(scaled([(cx - 6, h - 8), (cx, h - 0.5), (cx + 6, h - 8)], s), fill=255)

    def rim(d, s):
        d.ellipse([(cx - R) * s, (cy - R) * s, (cx + R) * s, (cy + R) * s], fill=255)

    def face(d, s):
        r = R - 5
        d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)

    m_outer = np.maximum(mask((w, h), rim), mask((w, h), tips))
    if hot:
        L.over((120, 200, 255), blur(m_outer, 3) * 0.5)
    L.over(gold(m_outer, 1.5, 6, tint=0.15 if hot else 0.0), m_outer)
    m_face = mask((w, h), face)
    yy, xx = grid(w, h)
    r = np.sqrt((xx - cx) ** 2 + (yy - cy + 4) ** 2) / (R - 5)
    if hot:
        face_rgb = ramp(np.clip(1 - r, 0, 1), [(0, (10, 40, 80)), (0.6, (30, 110, 170)), (1, (120, 220, 255))])
    else:
        face_rgb = ramp(np.clip(1 - r, 0, 1), [(0, (6, 14, 34)), (0.6, (16, 44, 84)), (1, (44, 100, 150))])
    L.over(face_rgb, m_face)
    # Inner shadow along the top of the face: it sits below the rim.
    inner = np.clip(m_face - np.roll(blur(m_face, 2), 2, axis=0), 0, 1)
    L.over((0, 0, 0), inner * 0.6)
    m_sym = mask((w, h), symbol)
    L.over((0, 0, 0), np.roll(blur(m_sym, 1.5), 1, axis=0) * 0.7 * m_face)
    L.over(gold(m_sym, 1.0, 4, tint=0.45 if hot else 0.1), m_sym)
    return L


def minimize_bar(d, s):
    w, h = MINIMIZE_SIZE
    cx, cy = w / 2, h / 2
    d.rounded_rectangle([(cx - 11) * s, (cy + 1) * s, (cx + 11) * s, (cy + 6) * s], radius=2 * s, fill=255)


# --- background -----------------------------------------------------------------------------

PLATE = (205, 150, 1165, 828)
NOTCH = 42
CORNERS = [(PLATE[0], PLATE[1]), (PLATE[2], PLATE[1]), (PLATE[0], PLATE[3]), (PLATE[2], PLATE[3])]
CREST = dict(cx=684, top=52, base=160, half=190)


def scene(w, h):
    """The painted night behind the frame: sky, moon, stars, mountain ranges, mist."""
    yy, xx = grid(w, h)
    t = np.clip((yy - PLATE[1]) / (PLATE[3] - PLATE[1]), 0, 1)
    sky = ramp(t, [(0, (8, 12, 34)), (0.35, (22, 26, 66)), (0.62, (62, 44, 96)),
                   (0.8, (132, 78, 98)), (1.0, (170, 104, 96))])
    L = Layer(w, h)
    L.over(sky, np.ones((h, w), np.float32))
    # Clouds: soft noise bands.
    clouds = noise((h, w), 18, 7) * noise((h, w), 60, 8)
    L.over((150, 130, 190), np.clip(clouds * 1.6 - 0.35, 0, 1) * 0.25 * (1 - t))
    # Stars.
    rng = np.random.default_rng(11)
    stars = np.zeros((h, w), np.float32)
    for _ in range(520):
        x, y = rng.integers(PLATE[0], PLATE[2]), rng.integers(PLATE[1], 640)
        stars[y, x] = rng.random() ** 2 * 1.0 + 0.15
    stars = np.maximum(stars, blur(stars, 1.2) * 3)
    L.over((255, 250, 235), np.clip(stars, 0, 1) * (1 - t) ** 0.5)
    # Moon high on the left, with a halo.
    mx, my, mr = 292, 236, 38
    d2 = np.sqrt((xx - mx) ** 2 + (yy - my) ** 2)
    L.over((200, 190, 255), np.clip(1 - d2 / 190, 0, 1) ** 2.2 * 0.45)
    moon = np.clip(mr - d2 + 0.5, 0, 1)
    craters = noise((h, w), 4, 12)
    L.over(ramp(craters, [(0, (210, 200, 190)), (1, (255, 250, 235))]), moon)
    # Mountain ranges, far to near, each darker and nearer the bottom.
    ranges = [(560, 120, 0.004, (70, 52, 100), 21), (620, 90, 0.007, (42, 30, 70), 22),
              (690, 70, 0.011, (22, 16, 42), 23), (760, 50, 0.02, (10, 8, 20), 24)]
    for base, amp, freq, colour, seed in ranges:
        r2 = np.random.default_rng(seed)
        xs = np.arange(w, dtype=np.float32)
        ridge = np.zeros(w, np.float32)
        for k in range(1, 6):
            ridge += np.sin(xs * freq * k * 1.7 + r2.random() * 6.3) / k ** 1.2
        ridge += (noise((1, w), 3, seed + 100)[0] - 0.5) * 0.6
        top = base - amp * (ridge - ridge.min()) / (ridge.max() - ridge.min())
        m = np.clip(yy - top[None, :] + 0.5, 0, 1)
        shade = 1 - np.clip((yy - top[None, :]) / 260, 0, 0.6)
        L.over(np.array(colour, np.float32) * shade[..., None], m)
        # Mist in the valley before the next range.
        mist = np.clip(1 - np.abs(yy - (base + 10)) / 40, 0, 1) ** 2
        L.over((180, 140, 170), mist * 0.16)
    # A castle on the left ridge, lit windows.
    castle = mask((w, h), castle_shape)
    L.over((12, 9, 22), castle)
    windows = mask((w, h), castle_windows)
    L.over((255, 196, 110), windows)
    L.over((255, 170, 80), blur(windows, 3) * 0.6)
    return L


def castle_shape(d, s):
    def box(x0, y0, x1, y1):
        d.rectangle([x0 * s, y0 * s, x1 * s, y1 * s], fill=255)

    def roof(x0, x1, y, tip):
        d.polygon(scaled([(x0 - 3, y), (x1 + 3, y), ((x0 + x1) / 2, tip)], s), fill=255)

    box(232, 520, 336, 640)
    box(246, 470, 266, 640)
    roof(246, 266, 470, 425)
    box(296, 440, 318, 640)
    roof(296, 318, 440, 388)
    box(272, 495, 292, 640)
    roof(272, 292, 495, 462)
    box(320, 505, 338, 640)
    roof(320, 338, 505, 478)
    for x in range(232, 336, 8):
        box(x, 512, x + 4, 520)


def castle_windows(d, s):
    for x, y in ((253, 488), (253, 506), (304, 458), (304, 478), (279, 510), (326, 520), (242, 540),
                 (318, 545), (286, 560)):
        d.rectangle([x * s, y * s, (x + 3) * s, (y + 6) * s], fill=255)


def outline_mask():
    def shape(d, s):
        notched_rect(d, s, PLATE, NOTCH)
        d.polygon(scaled(crest_points(**CREST), s), fill=255)
        for cx, cy in CORNERS:
            d.ellipse([(cx - 30) * s, (cy - 30) * s, (cx + 30) * s, (cy + 30) * s], fill=255)
        # Pendant below the plate.
        d.polygon(scaled([(604, 826), (764, 826), (706, 852), (684, 862), (662, 852)], s), fill=255)
    return mask((W, H), shape)


def frame_band(width, inset=0):
    """The band of this width along the plate's outline, inset from it."""
    def outer(d, s):
        b = (PLATE[0] + inset, PLATE[1] + inset, PLATE[2] - inset, PLATE[3] - inset)
        notched_rect(d, s, b, NOTCH + inset)

    def inner(d, s):
        i = inset + width
        b = (PLATE[0] + i, PLATE[1] + i, PLATE[2] - i, PLATE[3] - i)
        notched_rect(d, s, b, NOTCH + i)
    return np.clip(mask((W, H), outer) - mask((W, H), inner), 0, 1)


def ring(cx, cy, r0, r1):
    def f(d, s):
        d.ellipse([(cx - r1) * s, (cy - r1) * s, (cx + r1) * s, (cy + r1) * s], fill=255)
        d.ellipse([(cx - r0) * s, (cy - r0) * s, (cx + r0) * s, (cy + r0) * s], fill=0)
    return mask((W, H), f)


def disc(cx, cy, r):
    return mask((W, H), lambda d, s: d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s],
                                               fill=255))


def gem(L, cx, cy, r, colour):
    """A cut gem: a diamond with lit and shaded facets, in a gold setting."""
    setting = disc(cx, cy, r + 4)
    L.over((0, 0, 0), blur(setting, 3) * 0.6)
    L.over(gold(setting, 1.5, 6), setting)
    facets = [((cx, cy - r), (cx + r, cy), (cx, cy), 1.25), ((cx + r, cy), (cx, cy + r), (cx, cy), 0.55),
              ((cx, cy + r), (cx - r, cy), (cx, cy), 0.8), ((cx - r, cy), (cx, cy - r), (cx, cy), 1.6)]
    for a, b, c, k in facets:
        m = mask((W, H), lambda d, s, a=a, b=b, c=c: d.polygon(scaled([a, b, c], s), fill=255))
        L.over(np.clip(np.array(colour, np.float32) * k, 0, 255), m)
    L.over((255, 255, 255), disc(cx - r * 0.35, cy - r * 0.4, max(1.2, r * 0.16)) * 0.9)


def filigree(L, points_list, width):
    """Gold scrollwork: smooth strokes through the given points."""
    def f(d, s):
        for pts in points_list:
            d.line(scaled(pts, s), fill=255, width=int(width * s), joint="curve")
            for x, y in (pts[0], pts[-1]):
                r = width * 0.9
                d.ellipse([(x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s], fill=255)
    m = mask((W, H), f)
    L.over((0, 0, 0), np.roll(blur(m, 2), 2, axis=0) * 0.5)
    L.over(gold(m, 1.2, 5), m)


def spiral(cx, cy, r0, r1, turns, start, direction=1):
    pts = []
    n = int(40 * turns)
    for i in range(n + 1):
        t = i / n
        a = start + direction * t * turns * 2 * np.pi
        r = r0 + (r1 - r0) * t
        pts.append((cx + r * np.cos(a), cy + r * np.sin(a)))
    return pts


def title(L):
    font = ImageFont.truetype(TITLE_FONT, 104 * SS)
    text = "Tarvessa"

    def f(d, s):
        bbox = d.textbbox((0, 0), text, font=font)
        tw = bbox[2] - bbox[0]
        d.text((684 * s - tw / 2 - bbox[0], 166 * s - bbox[1]), text, font=font, fill=255)
    m = mask((W, H), f)
    yy, _ = grid(W, H)
    L.over((0, 0, 0), blur(m, 10) * 0.85)        # dark halo for contrast against the sky
    L.over((255, 190, 90), blur(m, 14) * 0.35)   # warm glow
    L.over((20, 10, 4), np.clip(blur(m, 1.5) * 2.5, 0, 1))  # outline
    body = gold(m, 2.2, 8)
    vertical = ramp(np.clip((yy - 166) / 92, 0, 1), [(0, (255, 246, 200)), (0.5, (236, 190, 96)),
                                                     (1, (160, 96, 30))])
    L.over(body * 0.45 + vertical * 0.55, m)


def background():
    outline = outline_mask()
    L = Layer(W, H)
    # Drop shadow: soft, slightly below, kept inside the canvas.
    L.over((0, 0, 0), np.roll(blur(outline, 7), 5, axis=0) * 0.55)

    # The painted scene fills the plate and crest.
    art = scene(W, H)
    L.over(art.rgb, outline * art.a)
    # Crest interior: dark stone carrying a gem.
    crest_in = mask((W, H), lambda d, s: d.polygon(
        scaled(crest_points(CREST["cx"], CREST["top"] + 16, CREST["base"] + 4, CREST["half"] - 22), s), fill=255))
    stone = ramp(noise((H, W), 2, 31) * 0.5 + relief(crest_in, 3) * 0.5, BRONZE_DARK)
    L.over(stone, crest_in)

    # Vignette towards the frame.
    yy, xx = grid(W, H)
    dx = np.minimum(xx - PLATE[0], PLATE[2] - xx)
    dy = np.minimum(yy - PLATE[1], PLATE[3] - yy)
    edge = np.clip(np.minimum(dx, dy) / 70, 0, 1)
    L.over((4, 3, 10), (1 - edge) ** 2 * 0.7 * outline)

    # The outer gold frame, a thin inner line, and the crest's rim.
    band = frame_band(13)
    crest_band = np.clip(mask((W, H), lambda d, s: d.polygon(scaled(crest_points(**CREST), s), fill=255))
                         - crest_in, 0, 1)
    crest_band *= (yy < PLATE[1] + 14)
    metal = np.maximum(band, crest_band)
    L.over((0, 0, 0), blur(metal, 3) * 0.5 * outline)
    L.over(gold(metal, 1.8, 7), metal)
    line = frame_band(2.5, inset=21)
    L.over(gold(line, 1.0, 3), line * 0.9)

    # The panel: a bevelled dark bronze frame with a gold lip, then the dark inner area.
    x0, y0, x1, y1 = PANEL
    outer = mask((W, H), lambda d, s: d.rounded_rectangle(
        [(x0 - 22) * s, (y0 - 22) * s, (x1 + 23) * s, (y1 + 23) * s], radius=10 * s, fill=255))
    L.over((0, 0, 0), np.roll(blur(outer, 8), 4, axis=0) * 0.75)
    L.over(ramp(relief(outer, 4, 10) * 0.7 + noise((H, W), 1.5, 41) * 0.3, BRONZE_DARK), outer)
    lip = mask((W, H), lambda d, s: (
        d.rectangle([(x0 - 7) * s, (y0 - 7) * s, (x1 + 8) * s, (y1 + 8) * s], fill=255),
        d.rectangle([x0 * s, y0 * s, (x1 + 1) * s, (y1 + 1) * s], fill=0)))
    L.over(gold(lip, 1.2, 5), lip)
    inner = np.zeros((H, W), np.float32)
    inner[y0:y1 + 1, x0:x1 + 1] = 1
    depth = np.clip(np.minimum.reduce([xx - x0, x1 - xx, yy - y0, y1 - yy]) / 26, 0, 1)
    panel_rgb = ramp(depth, [(0, (3, 3, 6)), (1, (13, 15, 24))])
    L.over(panel_rgb, inner)

    # Filigree along the top band and the corners.
    cx = CREST["cx"]
    for side in (-1, 1):
        pts = [(cx + side * 215, 196), (cx + side * 260, 184), (cx + side * 310, 192), (cx + side * 340, 212)]
        filigree(L, [pts, spiral(cx + side * 352, 200, 3, 13, 1.1, np.pi / 2 if side > 0 else np.pi / 2,
                                 -side)], 3.0)
    for (px, py), (sx, sy) in zip(CORNERS, ((1, 1), (-1, 1), (1, -1), (-1, -1))):
        arm_a = [(px + sx * 34, py + sy * 46), (px + sx * 40, py + sy * 90), (px + sx * 36, py + sy * 130)]
        arm_b = [(px + sx * 46, py + sy * 34), (px + sx * 90, py + sy * 40), (px + sx * 130, py + sy * 36)]
        filigree(L, [arm_a, arm_b], 2.6)
        rim = ring(px, py, 20, 30)
        L.over((0, 0, 0), blur(disc(px, py, 30), 4) * 0.5)
        face = disc(px, py, 21)
        L.over(ramp(relief(face, 4, 8), BRONZE_DARK), face)
        L.over(gold(rim, 1.8, 7), rim)
        gem(L, px, py, 11, (40, 120, 200))
    # Pendant and crest gems.
    pend = mask((W, H), lambda d, s: d.polygon(
        scaled([(604, 826), (764, 826), (706, 852), (684, 862), (662, 852)], s), fill=255))
    L.over(gold(pend, 1.8, 7), pend)
    gem(L, 684, 838, 9, (170, 30, 40))
    gem(L, cx, 110, 16, (180, 30, 44))
    for side in (-1, 1):
        gem(L, cx + side * 70, 136, 7, (40, 120, 200))

    title(L)

    # A bracket for the lantern: a short chain from the frame.
    ex, ey = EXIT_RECT[0] + (EXIT_RECT[2] - EXIT_SIZE[0]) // 2, EXIT_RECT[1] + (EXIT_RECT[3] - EXIT_SIZE[1]) // 2
    chain_x = ex + EXIT_SIZE[0] / 2
    links = np.zeros((H, W), np.float32)
    for i, y in enumerate(range(168, ey + 2, 9)):
        rx, ry = (3.2, 5.5) if i % 2 == 0 else (1.6, 5.5)
        links = np.maximum(links, mask((W, H), lambda d, s, y=y, rx=rx, ry=ry: (
            d.ellipse([(chain_x - rx) * s, (y - ry) * s, (chain_x + rx) * s, (y + ry) * s],
                      outline=255, width=int(1.8 * s)))))
    L.over((0, 0, 0), blur(links, 2) * 0.6)
    L.over(gold(links, 1.0, 4), links)

    # Clean margins: nothing outside the shadow's reach, and a safe zone at the edges.
    reach = np.clip(blur(outline, 14) * 6, 0, 1)
    L.a *= reach
    L.a[:3, :] = 0
    L.a[-3:, :] = 0
    L.a[:, :3] = 0
    L.a[:, -3:] = 0
    return L


# --- icon -----------------------------------------------------------------------------------

def app_icon():
    font = ImageFont.truetype(TITLE_FONT, 30 * SS)

    def letter(d, s):
        bbox = d.textbbox((0, 0), "T", font=font)
        d.text((24 * s - (bbox[0] + bbox[2]) / 2, 25 * s - (bbox[1] + bbox[3]) / 2), "T", font=font, fill=255)
    return medallion((48, 48), False, letter).image()


def write_ico(image, path):
    """One 48 × 48 image, 32 bits per pixel, stored as a DIB with its AND mask."""
    w, h = image.size
    px = np.asarray(image.convert("RGBA"))
    bgra = px[::-1, :, [2, 1, 0, 3]].tobytes()
    row = ((w + 31) // 32) * 4
    mask_rows = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(row)
        for x in range(w):
            if px[y, x, 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(bgra) + len(mask_rows), 0, 0, 0, 0)
    data = header + bgra + bytes(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(data), 22)
    with open(path, "wb") as f:
        f.write(directory + data)


def save_png(image, name):
    image.save(os.path.join(HERE, name), optimize=True)


def main():
    exit_normal, exit_hot = lantern(False), lantern(True)
    minimize_normal = medallion(MINIMIZE_SIZE, False, minimize_bar).image()

    bg = background()
    # Where the minimise image sits on the background (centred in its button, so one
    # row is cut above and below). Its hot form has no alpha: it is drawn onto the
    # background's own pixels there, so its opaque corners blend in.
    mx = MINIMIZE_RECT[0] + (MINIMIZE_RECT[2] - MINIMIZE_SIZE[0]) // 2
    my = MINIMIZE_RECT[1] + (MINIMIZE_RECT[3] - MINIMIZE_SIZE[1]) // 2
    under = Layer(*MINIMIZE_SIZE)
    under.rgb = bg.rgb[my:my + MINIMIZE_SIZE[1], mx:mx + MINIMIZE_SIZE[0]].copy()
    under.a = np.ones(under.a.shape, np.float32)
    hot = medallion(MINIMIZE_SIZE, True, minimize_bar)
    under.over(hot.rgb, hot.a)
    minimize_hot = under.image(alpha=False)

    ex = EXIT_RECT[0] + (EXIT_RECT[2] - EXIT_SIZE[0]) // 2
    ey = EXIT_RECT[1] + (EXIT_RECT[3] - EXIT_SIZE[1]) // 2
    bg.paste(minimize_normal, mx, my)
    bg.paste(exit_normal, ex, ey)

    save_png(bg.image(), "LauncherBackground.png")
    save_png(exit_normal, "Exit.png")
    save_png(exit_hot, "ExitHot.png")
    save_png(minimize_normal, "Minimize.png")
    save_png(minimize_hot, "MinimizeHot.png")
    write_ico(app_icon(), os.path.join(HERE, "App.ico"))


if __name__ == "__main__":
    main()
