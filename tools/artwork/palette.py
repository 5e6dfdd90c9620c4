"""Reduction of a true-colour picture to a 256-colour palette: median cut
for the palette, then error diffusion so that gradients do not band."""


def median_cut(rows, count=256):
    histogram = {}
    for row in rows:
        for c in row:
            histogram[c] = histogram.get(c, 0) + 1

    def measured(entries):
        spans = [max(c[k] for c, _ in entries) - min(c[k] for c, _ in entries)
                 for k in range(3)]
        channel = max(range(3), key=lambda k: spans[k])
        weight = sum(n for _, n in entries)
        # Split wide boxes first, and among those the well-populated ones.
        score = spans[channel] * weight ** 0.5 if len(entries) > 1 else -1
        return score, channel, entries

    boxes = [measured(list(histogram.items()))]
    while len(boxes) < count:
        i = max(range(len(boxes)), key=lambda k: boxes[k][0])
        score, channel, entries = boxes[i]
        if score < 0:
            break
        boxes.pop(i)
        entries.sort(key=lambda e: e[0][channel])
        total, run, cut = sum(n for _, n in entries), 0, 1
        for k, (_, n) in enumerate(entries):
            run += n
            if run * 2 >= total:
                cut = min(max(k + 1, 1), len(entries) - 1)
                break
        boxes += [measured(entries[:cut]), measured(entries[cut:])]
    palette = []
    for _, _, entries in boxes:
        total = sum(n for _, n in entries)
        palette.append(tuple(int(round(sum(c[k] * n for c, n in entries) / total))
                             for k in range(3)))
    return palette


def quantise(rows, palette):
    """Index rows for the palette, with Floyd-Steinberg error diffusion."""
    cache = {}

    def nearest(r, g, b):
        key = (int(r) >> 2, int(g) >> 2, int(b) >> 2)
        hit = cache.get(key)
        if hit is None:
            hit = min(range(len(palette)), key=lambda i: (palette[i][0] - r) ** 2
                      + (palette[i][1] - g) ** 2 + (palette[i][2] - b) ** 2)
            cache[key] = hit
        return hit

    h, w = len(rows), len(rows[0])
    work = [[list(c) for c in row] for row in rows]
    out = [[0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            old = [min(255.0, max(0.0, v)) for v in work[y][x]]
            i = nearest(*old)
            out[y][x] = i
            err = [o - p for o, p in zip(old, palette[i])]
            for dx, dy, k in ((1, 0, 7), (-1, 1, 3), (0, 1, 5), (1, 1, 1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < w and ny < h:
                    cell = work[ny][nx]
                    for ch in range(3):
                        cell[ch] += err[ch] * k / 16
    return out
