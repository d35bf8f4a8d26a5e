#!/usr/bin/env python3
"""Draws the program's icon, a small photo (sky, sun, hill, white frame), in
the 16 colours of the standard Windows palette, at 16, 32 and 48 pixels:
app/icons/jpgnames.ico for Windows and one PNG per size for Linux."""
import os
import struct
import zlib

PALETTE = [  # the standard 16-colour palette, RGB
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DARK_GREEN, GREY, GREEN, YELLOW, CYAN, WHITE = 2, 8, 10, 11, 14, 15
CLEAR = None


def draw(size):
    """Rows of palette indexes (None is transparent), top row first."""
    s = size / 16.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s  # in 16-pixel units
            if fx < 1 or fx > 15 or fy < 2.5 or fy > 13.5:
                row.append(CLEAR)
            elif fx < 1.8 or fx > 14.2 or fy < 3.3 or fy > 12.7:
                row.append(GREY if (fx > 14.2 or fy > 12.7) else WHITE)
            elif fy > 9.5 + 0.4 * (fx - 11.5) ** 2:
                row.append(DARK_GREEN)
            elif fy > 7.5 + 0.3 * (fx - 5) ** 2:
                row.append(GREEN)
            elif (fx - 11) ** 2 + (fy - 6) ** 2 < 2.2:
                row.append(YELLOW)
            else:
                row.append(CYAN)
        rows.append(row)
    return rows


def ico_image(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b'', b''
    for row in reversed(rows):  # bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            index = 0 if c is None else c
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(line)
        mask += bytes(bits)
    return header + palette + xor + mask


def write_ico(path, images):
    entries, data = b'', b''
    offset = 6 + 16 * len(images)
    for rows, image in images:
        size = len(rows)
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4,
                               len(image), offset + len(data))
        data += image
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + data)


def write_png(path, rows):
    size = len(rows)
    raw = b''
    for row in rows:
        raw += b'\x00' + b''.join(
            bytes((0, 0, 0, 0)) if c is None else bytes(PALETTE[c] + (255,)) for c in row)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack(
            '>I', zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'app', 'icons')
    images = []
    for size in (16, 32, 48):
        rows = draw(size)
        images.append((rows, ico_image(rows)))
        write_png(os.path.join(out, 'jpgnames-%d.png' % size), rows)
    write_ico(os.path.join(out, 'jpgnames.ico'), images)


if __name__ == '__main__':
    main()
