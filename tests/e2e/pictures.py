# SPDX-License-Identifier: MIT
"""Pixels as a person sees them: screenshots (PPM from ImageMagick's import) and the
program's own picture files (BMP, GIF), all as plain RGB rasters to compare."""

import struct


class Raster:
    """An RGB picture: width, height and 3 bytes per pixel, rows from the top."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ValueError("raster of %dx%d needs %d bytes, got %d"
                             % (width, height, width * height * 3, len(rgb)))
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        if x < 0 or y < 0 or x + width > self.width or y + height > self.height:
            raise ValueError("crop %d,%d %dx%d outside %dx%d"
                             % (x, y, width, height, self.width, self.height))
        rows = []
        for row in range(y, y + height):
            start = (row * self.width + x) * 3
            rows.append(self.rgb[start:start + width * 3])
        return Raster(width, height, b"".join(rows))

    def __eq__(self, other):
        return (isinstance(other, Raster) and self.width == other.width
                and self.height == other.height and self.rgb == other.rgb)

    def __hash__(self):
        return hash((self.width, self.height, self.rgb))

    def same_pixels(self, other):
        """How many pixels equal those of other (same size)."""
        assert (self.width, self.height) == (other.width, other.height)
        a, b = self.rgb, other.rgb
        return sum(1 for i in range(0, len(a), 3) if a[i:i + 3] == b[i:i + 3])

    def count(self, predicate):
        a = self.rgb
        return sum(1 for i in range(0, len(a), 3) if predicate(a[i], a[i + 1], a[i + 2]))

    def write_ppm(self, path):
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            f.write(self.rgb)


def _ppm_tokens(data, count):
    """The first count header fields of a PPM, and the offset of the pixel data."""
    tokens = []
    i = 2
    while len(tokens) < count:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b"#":
            while data[i:i + 1] not in (b"\n", b""):
                i += 1
            continue
        start = i
        while not data[i:i + 1].isspace():
            i += 1
        tokens.append(int(data[start:i]))
    return tokens, i + 1


def read_ppm(data):
    if data[:2] != b"P6":
        raise ValueError("not a binary PPM (starts with %r)" % data[:16])
    (width, height, maxval), offset = _ppm_tokens(data, 3)
    pixels = data[offset:]
    if maxval == 255:
        return Raster(width, height, pixels[:width * height * 3])
    if maxval == 65535:
        return Raster(width, height, pixels[0:width * height * 6:2])
    raise ValueError("PPM with maxval %d" % maxval)


def read_bmp(path):
    """An uncompressed 24- or 32-bit Windows bitmap, bottom-up or top-down."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("%s is not a BMP" % path)
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression not in (0, 3):
        raise ValueError("%s: %d bits, compression %d not handled" % (path, bits, compression))
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for row in range(abs(height)):
        source = abs(height) - 1 - row if height > 0 else row
        line = data[offset + source * stride:offset + source * stride + width * step]
        out = bytearray(width * 3)
        out[0::3] = line[2::step]
        out[1::3] = line[1::step]
        out[2::3] = line[0::step]
        rows.append(bytes(out))
    return Raster(width, abs(height), b"".join(rows))


def _lzw_decode(data, min_code_size, pixel_count):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    table = [bytes([i]) for i in range(clear)] + [b"", b""]
    size = min_code_size + 1
    previous = None
    bits = 0
    value = 0
    for byte in data:
        value |= byte << bits
        bits += 8
        while bits >= size:
            code = value & ((1 << size) - 1)
            value >>= size
            bits -= size
            if code == clear:
                table = table[:clear + 2]
                size = min_code_size + 1
                previous = None
                continue
            if code == end:
                return bytes(out[:pixel_count])
            if previous is None:
                entry = table[code]
            elif code < len(table):
                entry = table[code]
                table.append(previous + entry[:1])
            else:
                entry = previous + previous[:1]
                table.append(entry)
            out += entry
            previous = entry
            if len(table) == (1 << size) and size < 12:
                size += 1
    return bytes(out[:pixel_count])


def read_gif(path):
    """The first frame of a GIF, with its transparent colour index (or None)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("%s is not a GIF" % path)
    width, height, flags = struct.unpack_from("<HHB", data, 6)
    i = 13
    palette = b""
    if flags & 0x80:
        n = 3 << ((flags & 7) + 1)
        palette = data[i:i + n]
        i += n
    transparent = None
    while i < len(data):
        block = data[i]
        if block == 0x21:
            label = data[i + 1]
            if label == 0xF9 and data[i + 3] & 1:
                transparent = data[i + 6]
            i += 2
            while data[i]:
                i += data[i] + 1
            i += 1
        elif block == 0x2C:
            left, top, w, h, iflags = struct.unpack_from("<HHHHB", data, i + 1)
            i += 10
            local = palette
            if iflags & 0x80:
                n = 3 << ((iflags & 7) + 1)
                local = data[i:i + n]
                i += n
            if iflags & 0x40:
                raise ValueError("%s: interlaced GIF not handled" % path)
            if (left, top, w, h) != (0, 0, width, height):
                raise ValueError("%s: a frame smaller than the picture is not handled" % path)
            min_code_size = data[i]
            i += 1
            chunks = bytearray()
            while data[i]:
                chunks += data[i + 1:i + 1 + data[i]]
                i += data[i] + 1
            indices = _lzw_decode(chunks, min_code_size, w * h)
            return indices, local, transparent, width, height
        else:
            break
    raise ValueError("%s has no image" % path)


def gif_over(path, backdrop):
    """The GIF drawn over a backdrop raster of its size, as a picture control shows it."""
    indices, palette, transparent, width, height = read_gif(path)
    assert (width, height) == (backdrop.width, backdrop.height)
    out = bytearray(backdrop.rgb)
    for p, index in enumerate(indices):
        if index != transparent:
            out[p * 3:p * 3 + 3] = palette[index * 3:index * 3 + 3]
    return Raster(width, height, bytes(out))
