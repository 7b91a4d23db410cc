"""Draws the book's front cover and writes it as the JPEG the main window shows.

usage: make_cover.py OUT.jpg

1760 x 2490 pixels, baseline, 4:2:0, JFIF 1.01 at 300 dpi, with Exif, an
sRGB ICC profile made by LittleCMS (via Pillow) and an XMP packet.  The
title is set large and heavy because the window shows the cover at only
137 x 193 pixels."""
import io
import struct
import sys

from PIL import Image, ImageCms, ImageDraw, ImageFont

W, H = 1760, 2490
NAVY = (16, 38, 82)
DEEP = (9, 22, 50)
GOLD = (236, 176, 36)
WHITE = (255, 255, 255)
FONTS = '/usr/share/fonts/truetype/'


def font(name, size):
    return ImageFont.truetype(FONTS + name, size)


def centred(d, y, text, fnt, fill, x0=0, x1=W):
    w = d.textlength(text, font=fnt)
    d.text(((x0 + x1 - w) / 2, y), text, font=fnt, fill=fill)


def draw():
    img = Image.new('RGB', (W, H), NAVY)
    d = ImageDraw.Draw(img)
    # vertical gradient toward the foot of the cover
    for y in range(H):
        t = y / H
        c = tuple(int(NAVY[i] * (1 - t) + DEEP[i] * t) for i in range(3))
        d.line((0, y, W, y), fill=c)
    # gold band with the series name
    d.rectangle((0, 150, W, 270), fill=GOLD)
    centred(d, 172, 'СПРАВОЧНИК ЭКОНОМИСТА-СТРОИТЕЛЯ', font('DejaVuSans-Bold.ttf', 64), DEEP)

    # title
    tf = font('DejaVuSans-Bold.ttf', 200)
    centred(d, 400, 'ЭКОНОМИКА', tf, WHITE)
    centred(d, 640, 'СТРОИТЕЛЬСТВА', font('DejaVuSans-Bold.ttf', 168), WHITE)
    d.rectangle((180, 880, W - 180, 892), fill=GOLD)
    sf = font('DejaVuSans.ttf', 66)
    for i, line in enumerate(['Затраты и себестоимость,', 'ценообразование, аренда', 'и оплата труда в отрасли']):
        centred(d, 940 + i * 88, line, sf, (226, 232, 244))

    # skyline with a tower crane and a rising bar chart
    base = 2000
    bars = [(180, 330), (330, 470), (480, 610), (630, 760), (780, 900)]
    heights = [260, 360, 470, 590, 720]
    for (x0, x1), h in zip(bars, heights):
        d.rectangle((x0, base - h, x1 - 20, base), fill=(40, 78, 150))
        for yy in range(base - h + 30, base - 40, 70):
            for xx in range(x0 + 22, x1 - 50, 44):
                d.rectangle((xx, yy, xx + 22, yy + 36), fill=(250, 214, 120))
    d.line((180, base - 330, 880, base - 720), fill=GOLD, width=18)
    d.polygon([(900, base - 732), (830, base - 740), (868, base - 676)], fill=GOLD)
    cx = 1290
    d.rectangle((cx - 22, base - 680, cx + 22, base), fill=GOLD)
    for y in range(base - 660, base, 60):
        d.line((cx - 22, y, cx + 22, y + 60), fill=NAVY, width=6)
    d.rectangle((cx - 430, base - 700, cx + 330, base - 662), fill=GOLD)
    d.line((cx, base - 790, cx - 430, base - 700), fill=GOLD, width=10)
    d.line((cx, base - 790, cx + 330, base - 700), fill=GOLD, width=10)
    d.rectangle((cx - 12, base - 800, cx + 12, base - 680), fill=GOLD)
    d.rectangle((cx + 230, base - 662, cx + 330, base - 590), fill=(120, 120, 130))
    d.line((cx - 300, base - 662, cx - 300, base - 400), fill=(200, 200, 210), width=5)
    d.rectangle((cx - 370, base - 400, cx - 230, base - 340), fill=(190, 80, 50))
    d.rectangle((1000, base - 420, 1560, base), fill=(52, 96, 176))
    for yy in range(base - 380, base - 40, 80):
        for xx in range(1040, 1520, 70):
            d.rectangle((xx, yy, xx + 34, yy + 44), fill=(250, 214, 120))
    d.rectangle((120, base, W - 120, base + 16), fill=GOLD)

    # publisher's mark and year
    mark = 2170
    d.rectangle((W / 2 - 420, mark, W / 2 - 300, mark + 120), fill=GOLD)
    tm = font('DejaVuSerif-Bold.ttf', 110)
    d.text((W / 2 - 360 - d.textlength('T', font=tm) / 2, mark - 8), 'T', font=tm, fill=DEEP)
    d.text((W / 2 - 260, mark - 2), 'Tervalen', font=font('DejaVuSerif-Bold.ttf', 112), fill=WHITE)
    centred(d, 2340, 'Москва · 2024', font('DejaVuSans.ttf', 56), (200, 208, 226))
    return img


def xmp_packet():
    xmp = ('<?xpacket begin="\ufeff" id="W5M0MpCehiHzreSzNTczkc9d"?>'
           '<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">'
           '<rdf:Description rdf:about="" xmlns:dc="http://purl.org/dc/elements/1.1/" '
           'xmlns:xmp="http://ns.adobe.com/xap/1.0/" xmlns:photoshop="http://ns.adobe.com/photoshop/1.0/">'
           '<dc:title><rdf:Alt><rdf:li xml:lang="x-default">Экономика строительства — обложка</rdf:li></rdf:Alt></dc:title>'
           '<dc:creator><rdf:Seq><rdf:li>Tervalen</rdf:li></rdf:Seq></dc:creator>'
           '<dc:format>image/jpeg</dc:format><xmp:CreatorTool>Tervalen cover generator</xmp:CreatorTool>'
           '<xmp:CreateDate>2024-01-15T10:00:00</xmp:CreateDate><photoshop:ColorMode>3</photoshop:ColorMode>'
           '<photoshop:ICCProfile>sRGB</photoshop:ICCProfile>'
           '</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end="w"?>')
    return b'http://ns.adobe.com/xap/1.0/\x00' + xmp.encode('utf-8')


def insert_after_app_segments(jpeg, payload, marker=0xE1):
    """Put one more APPn segment after the existing APP segments."""
    pos = 2
    while jpeg[pos] == 0xFF and 0xE0 <= jpeg[pos + 1] <= 0xEF:
        pos += 2 + struct.unpack('>H', jpeg[pos + 2:pos + 4])[0]
    seg = bytes([0xFF, marker]) + struct.pack('>H', len(payload) + 2) + payload
    return jpeg[:pos] + seg + jpeg[pos:]


def fixed_date(icc):
    """LittleCMS stamps the profile with the current time; pin it so that
    regenerating the cover gives the same bytes, and renew the profile ID."""
    import hashlib
    icc = bytearray(icc)
    icc[24:36] = struct.pack('>6H', 2024, 1, 15, 10, 0, 0)
    if any(icc[84:100]):
        probe = bytearray(icc)
        probe[44:48] = probe[64:68] = b'\0' * 4
        probe[84:100] = b'\0' * 16
        icc[84:100] = hashlib.md5(probe).digest()
    return bytes(icc)


def encode(img):
    exif = Image.Exif()
    exif[0x010E] = 'Tervalen: book cover'      # ImageDescription (ASCII)
    exif[0x013B] = 'Tervalen'                  # Artist
    exif[0x0131] = 'Tervalen cover generator'  # Software
    exif[0x0132] = '2024:01:15 10:00:00'       # DateTime
    exif[0x011A] = 300.0                       # XResolution
    exif[0x011B] = 300.0                       # YResolution
    exif[0x0128] = 2                           # inches
    icc = fixed_date(ImageCms.ImageCmsProfile(ImageCms.createProfile('sRGB')).tobytes())
    buf = io.BytesIO()
    img.save(buf, 'JPEG', quality=86, subsampling=2, progressive=False, optimize=False,
             dpi=(300, 300), exif=exif.tobytes(), icc_profile=icc)
    return insert_after_app_segments(buf.getvalue(), xmp_packet())


if __name__ == '__main__':
    data = encode(draw())
    with open(sys.argv[1] if len(sys.argv) > 1 else 'cover.jpg', 'wb') as f:
        f.write(data)
