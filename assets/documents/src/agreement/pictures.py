"""Draws the three pictures of the industry agreement: the emblems of the
two parties and the signature block.  Everything is drawn here, with the
DejaVu/Liberation fonts installed on the build machine."""
import io
import math
import random

from PIL import Image, ImageDraw, ImageFont

FONT_DIRS = ['/usr/share/fonts/truetype/dejavu/', '/usr/share/fonts/truetype/liberation/']


def font(name, size):
    for d in FONT_DIRS:
        try:
            return ImageFont.truetype(d + name, size)
        except OSError:
            continue
    raise OSError(name)


def _circle_text(img, text, cx, cy, radius, fnt, fill, start_deg, clockwise=True):
    """Set text along a circle, one glyph at a time (for the emblem rims)."""
    total = sum(fnt.getlength(ch) for ch in text)
    angle = math.radians(start_deg) - (total / radius) / 2 * (1 if clockwise else -1)
    for ch in text:
        w = fnt.getlength(ch)
        step = w / radius
        a = angle + step / 2 * (1 if clockwise else -1)
        glyph = Image.new('L', (int(w) + 40, fnt.size + 40), 0)
        ImageDraw.Draw(glyph).text((20, 20), ch, font=fnt, fill=255)
        rot = -math.degrees(a) - 90 if clockwise else -math.degrees(a) + 90
        glyph = glyph.rotate(rot, resample=Image.BICUBIC, expand=True)
        x = cx + radius * math.cos(a) - glyph.width / 2
        y = cy + radius * math.sin(a) - glyph.height / 2
        img.paste(Image.new('RGB', glyph.size, fill), (int(x), int(y)), glyph)
        angle += step * (1 if clockwise else -1)


def emblem_employers(size=900):
    """A blue disc with a crane over a building and the association's name."""
    img = Image.new('RGB', (size, size), 'white')
    d = ImageDraw.Draw(img)
    c = size / 2
    d.ellipse((20, 20, size - 20, size - 20), fill=(18, 52, 110))
    d.ellipse((150, 150, size - 150, size - 150), fill='white')
    d.ellipse((165, 165, size - 165, size - 165), fill=(230, 236, 246))
    gold = (226, 170, 40)
    # building
    for i, h in enumerate([210, 290, 250]):
        x0 = 300 + i * 105
        d.rectangle((x0, 640 - h, x0 + 90, 640), fill=(18, 52, 110))
        for yy in range(640 - h + 20, 630, 40):
            for xx in (x0 + 15, x0 + 52):
                d.rectangle((xx, yy, xx + 22, yy + 22), fill=gold)
    # tower crane
    d.rectangle((240, 250, 262, 640), fill=gold)
    d.polygon([(210, 250), (660, 250), (660, 268), (210, 268)], fill=gold)
    d.line((251, 250, 251, 200, 660, 250), fill=gold, width=8)
    d.line((560, 268, 560, 380), fill=(60, 60, 60), width=4)
    d.rectangle((545, 380, 575, 400), fill=(60, 60, 60))
    d.rectangle((200, 640, size - 200, 660), fill=(18, 52, 110))
    f = font('DejaVuSans-Bold.ttf', 54)
    _circle_text(img, 'СТРОЙАЛЬЯНС-РЕГИОН', c, c, 365, f, 'white', -90)
    f2 = font('DejaVuSans-Bold.ttf', 40)
    _circle_text(img, 'ОБЪЕДИНЕНИЕ РАБОТОДАТЕЛЕЙ', c, c, 360, f2, gold, 90, clockwise=False)
    return img


def emblem_union(size=900):
    """A red disc with a gear, a trowel and the union's name."""
    img = Image.new('RGB', (size, size), 'white')
    d = ImageDraw.Draw(img)
    c = size / 2
    red = (160, 28, 36)
    d.ellipse((20, 20, size - 20, size - 20), fill=red)
    d.ellipse((150, 150, size - 150, size - 150), fill='white')
    # gear
    teeth = 12
    pts = []
    for i in range(teeth * 2):
        a = math.pi * 2 * i / (teeth * 2)
        r = 220 if i % 2 == 0 else 185
        for da in (-0.09, 0.09):
            pts.append((c + r * math.cos(a + da), c + r * math.sin(a + da)))
    d.polygon(pts, fill=(70, 70, 80))
    d.ellipse((c - 150, c - 150, c + 150, c + 150), fill='white')
    # trowel and brick
    d.polygon([(c - 95, c + 40), (c + 20, c - 90), (c + 75, c - 35), (c - 40, c + 95)], fill=red)
    d.line((c + 47, c - 62, c + 120, c - 135), fill=(90, 60, 30), width=22)
    d.rectangle((c - 120, c + 70, c + 120, c + 120), fill=(200, 120, 60))
    d.line((c - 120, c + 95, c + 120, c + 95), fill='white', width=4)
    d.line((c, c + 70, c, c + 95), fill='white', width=4)
    f = font('DejaVuSans-Bold.ttf', 60)
    _circle_text(img, 'ПРОФСОЮЗ «СОЗИДАНИЕ»', c, c, 365, f, 'white', -90)
    f2 = font('DejaVuSans-Bold.ttf', 38)
    _circle_text(img, 'РАБОТНИКИ СТРОИТЕЛЬСТВА', c, c, 360, f2, 'white', 90, clockwise=False)
    return img


def _signature(d, x, y, seed, colour=(20, 40, 120)):
    """A hand-written-looking flourish made of random smooth strokes."""
    rnd = random.Random(seed)
    pts = []
    px = x
    for i in range(40):
        px += rnd.uniform(6, 14)
        py = y + 28 * math.sin(i * 0.9 + rnd.uniform(-0.4, 0.4)) * (1 - i / 60)
        pts.append((px, py))
    d.line(pts, fill=colour, width=5, joint='curve')
    d.line([(x - 10, y + 30), (px + 30, y - 10)], fill=colour, width=4)


def _stamp(img, cx, cy, text_top, text_bottom, colour):
    layer = Image.new('RGBA', img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    rgba = colour + (150,)
    d.ellipse((cx - 150, cy - 150, cx + 150, cy + 150), outline=rgba, width=7)
    d.ellipse((cx - 105, cy - 105, cx + 105, cy + 105), outline=rgba, width=4)
    f = font('DejaVuSans-Bold.ttf', 19)
    w = f.getlength('ДЛЯ ДОКУМЕНТОВ')
    d.text((cx - w / 2, cy - 11), 'ДЛЯ ДОКУМЕНТОВ', font=f, fill=rgba)
    rim = Image.new('RGB', img.size, colour)
    mask = Image.new('L', img.size, 0)
    tmp = Image.new('RGB', img.size, 'black')
    _circle_text(tmp, text_top, cx, cy, 128, font('DejaVuSans-Bold.ttf', 28), 'white', -90)
    _circle_text(tmp, text_bottom, cx, cy, 128, font('DejaVuSans-Bold.ttf', 28), 'white', 90, clockwise=False)
    mask = tmp.convert('L').point(lambda v: int(v * 0.6))
    img.paste(rim, (0, 0), mask)
    img.paste(layer, (0, 0), layer)


def signature_block(w=1800, h=820):
    img = Image.new('RGB', (w, h), 'white')
    d = ImageDraw.Draw(img)
    bold = font('DejaVuSerif-Bold.ttf', 36)
    reg = font('DejaVuSerif.ttf', 32)
    cols = [(60, 'От Объединения работодателей', ['Президент Объединения', 'работодателей «Стройальянс-Регион»'],
             'А. В. Корнеев'),
            (960, 'От Профсоюза', ['Председатель Межрегионального', 'профессионального союза «Созидание»'],
             'Н. С. Белова')]
    for i, (x, who, role, name) in enumerate(cols):
        d.text((x, 40), who, font=bold, fill='black')
        for j, line in enumerate(role):
            d.text((x, 110 + j * 44), line, font=reg, fill='black')
        d.line((x, 430, x + 420, 430), fill='black', width=3)
        d.text((x + 440, 395), name, font=reg, fill='black')
        d.text((x, 445), '(подпись)', font=font('DejaVuSerif.ttf', 24), fill=(90, 90, 90))
        d.text((x, 560), '«15» декабря 2023 г.', font=reg, fill='black')
        d.text((x, 620), 'М. П.', font=reg, fill='black')
        _signature(d, x + 40, 395, seed=17 + i)
    _stamp(img, 640, 600, 'СТРОЙАЛЬЯНС-РЕГИОН', 'ОБЪЕДИНЕНИЕ', (30, 60, 160))
    _stamp(img, 1540, 600, 'ПРОФСОЮЗ СОЗИДАНИЕ', 'ПРОФСОЮЗ', (30, 60, 160))
    return img


def jpeg(img, quality=90):
    buf = io.BytesIO()
    img.save(buf, 'JPEG', quality=quality, dpi=(300, 300), optimize=False)
    return buf.getvalue()
