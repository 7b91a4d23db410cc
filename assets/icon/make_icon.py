"""Builds tervalen.ico: one 32x32 image, 4 bits per pixel, standard
16-colour Windows palette, all-zero AND mask (every pixel opaque).

The bytes are written by hand (BMP-in-ICO) so the result does not depend
on any imaging library's choice of palette or bit depth."""
import struct
import sys

# Standard 16-colour Windows palette, in palette-index order (R, G, B).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# The publisher's mark: a white serif "T" on a navy tile with a yellow
# foundation bar and a grey border.  One character per pixel, top row first:
#   '.' grey border (8)  'n' navy (4)  'W' white (15)  'Y' yellow (11)
#   's' silver (7)  'k' black (0)
DESIGN = """
................................
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
.nnnnWWWWWWWWWWWWWWWWWWWWWWnnnn.
.nnnnWWWWWWWWWWWWWWWWWWWWWWnnnn.
.nnnnWWWWWWWWWWWWWWWWWWWWWWnnnn.
.nnnnWWWsnnnnWWWWWWnnnnsWWWnnnn.
.nnnnWWsnnnnnWWWWWWnnnnnsWWnnnn.
.nnnnWsnnnnnnWWWWWWnnnnnnsWnnnn.
.nnnnsnnnnnnnWWWWWWnnnnnnnsnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnnWWWWWWnnnnnnnnnnnn.
.nnnnnnnnnnnsWWWWWWsnnnnnnnnnnn.
.nnnnnnnnnnWWWWWWWWWWnnnnnnnnnn.
.nnnnnnnnnnWWWWWWWWWWnnnnnnnnnn.
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
.nnYYYYYYYYYYYYYYYYYYYYYYYYYYnn.
.nnYYYYYYYYYYYYYYYYYYYYYYYYYYnn.
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
.nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.
................................
"""

COLOUR_OF = {'.': 8, 'n': 4, 'W': 15, 'Y': 11, 's': 7, 'k': 0}


def build_icon():
    rows = [line for line in DESIGN.strip().splitlines()]
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), "design must be 32x32"
    xor = bytearray()
    for row in reversed(rows):               # DIBs are stored bottom-up
        idx = [COLOUR_OF[c] for c in row]
        for i in range(0, 32, 2):
            xor.append((idx[i] << 4) | idx[i + 1])
    and_mask = bytes(4 * 32)                 # 32 bits a row, already 4-byte aligned
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + palette + bytes(xor) + and_mask
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    return icondir + entry + image


if __name__ == '__main__':
    out = sys.argv[1] if len(sys.argv) > 1 else 'tervalen.ico'
    with open(out, 'wb') as f:
        f.write(build_icon())
