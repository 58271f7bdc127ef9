#!/usr/bin/env python3
"""Writes the outlines of the shaped-frame masks as ImageMagick draw files.

Usage: frame_shapes.py OUTDIR WIDTH HEIGHT
Writes shape1.mvg .. shape6.mvg (rectangle, ellipse, star, heart, cracked
glass, shield): black filled outlines meant for a white canvas.
"""
import math
import random
import sys


def polygon(points):
    return "polygon " + " ".join("%.1f,%.1f" % p for p in points) + "\n"


def rectangle(w, h):
    mx, my = w * 0.055, h * 0.07
    return "rectangle %d,%d %d,%d\n" % (mx, my, w - mx - 1, h - my - 1)


def ellipse(w, h):
    return "ellipse %d,%d %d,%d 0,360\n" % (w / 2, h / 2, w * 0.455, h * 0.45)


def star(w, h):
    top, bottom = h * 0.03, h * 0.97
    r = (bottom - top) / (1 + math.cos(math.radians(36)))
    cx, cy = w / 2, top + r
    inner = r * 0.47
    pts = []
    for i in range(10):
        a = math.radians(-90 + i * 36)
        rr = r if i % 2 == 0 else inner
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return polygon(pts)


def heart(w, h):
    pts = []
    for i in range(720):
        t = 2 * math.pi * i / 720
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((x, -y))
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    scale = (h * 0.94) / (max(ys) - min(ys))
    ox = w / 2
    oy = h * 0.03 - min(ys) * scale
    return polygon([(ox + x * scale, oy + y * scale) for x, y in pts])


def shield(w, h):
    top, bottom = h * 0.03, h * 0.97
    height = bottom - top
    a = height * 0.42
    cx = w / 2
    pts = []
    # Top edge: a low arch between two shoulders.
    for i in range(41):
        s = i / 40
        x = cx - a + 2 * a * s
        y = top + height * 0.03 * (1 - math.sin(math.pi * s))
        pts.append((x, y))
    # Right side: straight, then curving in to the point.
    y1 = top + height * 0.38
    pts.append((cx + a, y1))
    for i in range(1, 81):
        s = i / 80
        pts.append((cx + a * (1 - s ** 1.9), y1 + s * (bottom - y1)))
    for i in range(79, 0, -1):
        s = i / 80
        pts.append((cx - a * (1 - s ** 1.9), y1 + s * (bottom - y1)))
    pts.append((cx - a, y1))
    return polygon(pts)


def cracked(w, h):
    rnd = random.Random(7)
    out = []
    # A pane with a chipped, jagged outline.
    mx, my = w * 0.045, h * 0.06
    pts = []

    def edge(x0, y0, x1, y1, n, nx, ny):
        for i in range(n):
            s = i / n
            j = rnd.uniform(-1, 1) * w * 0.012
            if rnd.random() < 0.08:
                j += w * 0.035 * rnd.random()  # a chip broken out of the edge
            pts.append((x0 + (x1 - x0) * s + nx * j, y0 + (y1 - y0) * s + ny * j))

    edge(mx, my, w - mx, my, 26, 0, 1)
    edge(w - mx, my, w - mx, h - my, 18, -1, 0)
    edge(w - mx, h - my, mx, h - my, 26, 0, -1)
    edge(mx, h - my, mx, my, 18, 1, 0)
    out.append("fill black stroke none\n")
    out.append(polygon(pts))
    # Cracks: lines running out from a point of impact, joined by rings.
    ix, iy = w * 0.62, h * 0.41
    n = 13
    rays = []
    for k in range(n):
        a = 2 * math.pi * (k + rnd.uniform(-0.3, 0.3)) / n
        ray = [(ix, iy)]
        r = 0.0
        x, y = ix, iy
        while r < w * 1.1:
            step = rnd.uniform(w * 0.03, w * 0.07)
            r += step
            a += rnd.uniform(-0.08, 0.08)
            x, y = ix + r * math.cos(a), iy + r * math.sin(a)
            ray.append((x, y))
        rays.append(ray)
    out.append("fill none stroke white stroke-linecap round stroke-linejoin round\n")
    for ray in rays:
        for i in range(len(ray) - 1):
            width = max(2.0, w * 0.0032 * (1 - i / len(ray)) + 2)
            out.append("stroke-width %.1f line %.1f,%.1f %.1f,%.1f\n" % ((width,) + ray[i] + ray[i + 1]))
    for ring, keep in ((2, 1.0), (4, 0.8), (7, 0.55), (11, 0.35)):
        for k in range(n):
            if rnd.random() > keep:
                continue
            p = rays[k][min(ring, len(rays[k]) - 1)]
            q = rays[(k + 1) % n][min(ring + rnd.choice((-1, 0, 1)), len(rays[(k + 1) % n]) - 1)]
            mxp, myp = (p[0] + q[0]) / 2, (p[1] + q[1]) / 2
            mxp += rnd.uniform(-1, 1) * w * 0.01
            myp += rnd.uniform(-1, 1) * w * 0.01
            out.append("stroke-width %.1f polyline %.1f,%.1f %.1f,%.1f %.1f,%.1f\n"
                       % (max(2.0, w * 0.0018), p[0], p[1], mxp, myp, q[0], q[1]))
    # A few shards missing around the point of impact.
    for k in range(0, n, 4):
        a, b = rays[k], rays[(k + 1) % n]
        out.append("fill white stroke none\n")
        out.append(polygon([a[0], a[1], b[1]]))
    return "".join(out)


def main():
    outdir, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    shapes = [rectangle, ellipse, star, heart, cracked, shield]
    for i, fn in enumerate(shapes, 1):
        with open("%s/shape%d.mvg" % (outdir, i), "w") as f:
            f.write("fill black stroke none\n")
            f.write(fn(w, h))


if __name__ == "__main__":
    main()
