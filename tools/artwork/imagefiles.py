"""Writers for the Windows picture formats the resource script embeds
(BMP at 24 and 8 bits, ICO with 8-bit or 32-bit images) and PNG previews.

Rows are lists of (r, g, b) tuples, top row first; the BMP and ICO formats
store them bottom-up, each row padded to four bytes.
"""

import struct
import zlib


def _bitmap_info(width, height, bits, colours=0):
    image_size = _stride(width, bits) * height
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours, 0)


def _stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _pixels24(rows):
    width = len(rows[0])
    pad = b"\0" * (_stride(width, 24) - width * 3)
    return b"".join(bytes(c for r, g, b in row for c in (b, g, r)) + pad
                    for row in reversed(rows))


def _pixels8(index_rows):
    width = len(index_rows[0])
    pad = b"\0" * (_stride(width, 8) - width)
    return b"".join(bytes(row) + pad for row in reversed(index_rows))


def _palette(palette):
    entries = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries)


def _file_header(payload_offset, payload):
    size = 14 + len(payload)
    return struct.pack("<2sIHHI", b"BM", size, 0, 0, payload_offset) + payload


def write_bmp24(path, rows):
    info = _bitmap_info(len(rows[0]), len(rows), 24)
    with open(path, "wb") as f:
        f.write(_file_header(14 + len(info), info + _pixels24(rows)))


def write_bmp8(path, palette, index_rows):
    info = _bitmap_info(len(index_rows[0]), len(index_rows), 8, 256)
    head = info + _palette(palette)
    with open(path, "wb") as f:
        f.write(_file_header(14 + len(head), head + _pixels8(index_rows)))


def _and_mask(opaque_rows):
    width = len(opaque_rows[0])
    stride = _stride(width, 1)
    out = bytearray()
    for row in reversed(opaque_rows):
        line = bytearray(stride)
        for x, opaque in enumerate(row):
            if not opaque:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def icon_image8(rows, opaque_rows):
    """An 8-bit palettised icon image with its AND mask. Transparent pixels
    are stored black, as the mask expects."""
    colours = sorted({c for row, mask in zip(rows, opaque_rows)
                      for c, o in zip(row, mask) if o})
    if len(colours) > 255:
        raise ValueError("an 8-bit icon image needs at most 255 colours plus black")
    palette = [(0, 0, 0)] + [c for c in colours if c != (0, 0, 0)]
    index = {c: i for i, c in enumerate(palette)}
    index_rows = [[index[c] if o else 0 for c, o in zip(row, mask)]
                  for row, mask in zip(rows, opaque_rows)]
    w, h = len(rows[0]), len(rows)
    data = (struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0, 0, 0, 0, 256, 0)
            + _palette(palette) + _pixels8(index_rows) + _and_mask(opaque_rows))
    return w, h, 256, 8, data


def icon_image32(rows, alpha_rows):
    """A 32-bit icon image (BGRA) with the AND mask of its fully
    transparent pixels, for systems that ignore the alpha channel."""
    w, h = len(rows[0]), len(rows)
    pixels = b"".join(
        bytes(v for (r, g, b), a in zip(row, arow)
              for v in (b, g, r, int(round(a * 255))))
        for row, arow in zip(reversed(rows), reversed(alpha_rows)))
    mask = _and_mask([[a > 0 for a in arow] for arow in alpha_rows])
    data = (struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
            + pixels + mask)
    return w, h, 0, 32, data


def write_ico(path, images):
    """images: tuples (width, height, colour count, bits, data) from
    icon_image8 / icon_image32."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for w, h, colours, bits, data in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, colours % 256, 0,
                               1, bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + blobs)


def write_png(path, rows, alpha_rows=None):
    """A preview for people to look at; not embedded anywhere."""
    w, h = len(rows[0]), len(rows)
    raw = bytearray()
    for y, row in enumerate(rows):
        raw.append(0)
        for x, (r, g, b) in enumerate(row):
            raw += bytes((r, g, b))
            if alpha_rows:
                raw.append(int(round(alpha_rows[y][x] * 255)))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    colour_type = 6 if alpha_rows else 2
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
                + chunk(b"IEND", b""))
