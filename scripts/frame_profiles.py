#!/usr/bin/env python3
"""Writes lookup tables for the moulded picture frames.

Usage: frame_profiles.py NAME OUTDIR
The input of every table is u, the distance from the frame's outer edge
measured in rail widths (0 at the outside, 1 at the window). Writes
OUTDIR/height.pgm (surface height), OUTDIR/mat.pgm (white where the second
material lies) and OUTDIR/tone.pgm (brightness factor, mid grey = unchanged),
OUTDIR/band.pgm (where an ornament runs along the rail), each 4096 x 1,
16 bits.
"""
import math
import sys

N = 4096


def smooth(a, b, x):
    if x <= a:
        return 0.0
    if x >= b:
        return 1.0
    t = (x - a) / (b - a)
    return t * t * (3 - 2 * t)


def bump(c, r, x):
    """A rounded bead of radius r centred at c (0..1 high)."""
    d = abs(x - c) / r
    return math.sqrt(max(0.0, 1 - d * d))


def walnut_mat(u):
    # Moulding out to 0.5, then a mat with a bevelled cut at the window.
    if u < 0.5:
        h = 0.55 * bump(0.06, 0.06, u) + 0.75 * smooth(0.0, 0.02, u)
        h += 0.35 * bump(0.22, 0.1, u) - 0.25 * bump(0.35, 0.06, u)
        h -= 0.9 * smooth(0.38, 0.5, u)
        return h + 0.3, 0.0, 0.5
    tone = 0.5 - 0.22 * (1 - smooth(0.5, 0.58, u))  # the moulding's shadow
    if u > 0.972:
        tone = 0.62  # white core of the bevel
    return 0.0 - 0.25 * smooth(0.972, 1.0, u), 1.0, tone


def gilt(u):
    if u < 0.86:
        h = 0.9 * smooth(0.0, 0.04, u) + 0.4 * bump(0.05, 0.04, u)
        h += 0.5 * bump(0.2, 0.1, u) + 0.25 * bump(0.36, 0.04, u)
        h += 0.45 * bump(0.52, 0.12, u) + 0.2 * bump(0.68, 0.03, u)
        h += 0.25 * bump(0.78, 0.05, u) - 0.7 * smooth(0.8, 0.86, u)
        return h, 0.0, 0.5
    # Linen slip between the gilt and the picture.
    tone = 0.5 - 0.15 * (1 - smooth(0.86, 0.9, u))
    return 0.1 - 0.2 * smooth(0.97, 1.0, u), 1.0, tone


def metal(u):
    h = smooth(0.0, 0.18, u) - smooth(0.75, 1.0, u) * 0.7 + 0.15 * bump(0.5, 0.08, u)
    return h, 0.0, 0.5


def oak(u):
    h = 0.6 * smooth(0.0, 0.08, u) + 0.2 * bump(0.3, 0.12, u) - 0.6 * smooth(0.55, 0.92, u)
    if u > 0.92:
        return h - 0.05, 1.0, 0.5  # a dark lip around the picture
    return h, 0.0, 0.5


def beads_band(name, u):
    """Weight of the bead ornament along the rail (gilt frame only)."""
    if name == "gilt":
        return bump(0.36, 0.045, u)
    return 0.0


def flat(u):
    return 0.0, 0.0, 0.5


def paper(u):
    # Aged paper, darker towards its outer edge.
    return 0.0, 0.0, 0.5 - 0.16 * (1 - smooth(0.0, 0.35, u))


def postcard(u):
    tone = 0.5 - 0.2 * (1 - smooth(0.0, 0.3, u))
    if 0.8 < u < 0.815 or 0.845 < u < 0.852:
        tone = 0.28  # printed double rule
    return 0.0, 0.0, tone


def cabinet(u):
    h = 0.5 * smooth(0.0, 0.05, u) + 0.2 * bump(0.62, 0.015, u) - 0.4 * smooth(0.9, 1.0, u)
    tone = 0.5 - 0.18 * (1 - smooth(0.0, 0.25, u))
    return h, 1.0 if u > 0.9 else 0.0, tone


def slide(u):
    h = 0.6 * smooth(0.0, 0.06, u) + 0.5 * bump(0.86, 0.08, u) - 0.3 * smooth(0.94, 1.0, u)
    return h, 0.0, 0.5


PROFILES = {"walnut": walnut_mat, "gilt": gilt, "metal": metal, "oak": oak, "flat": flat,
            "paper": paper, "postcard": postcard, "cabinet": cabinet, "slide": slide}


def write(path, values):
    with open(path, "w") as f:
        f.write("P2\n%d 1\n65535\n" % N)
        f.write(" ".join(str(int(round(min(1.0, max(0.0, v)) * 65535))) for v in values))
        f.write("\n")


def main():
    fn = PROFILES[sys.argv[1]]
    rows = [fn(i / (N - 1)) for i in range(N)]
    hs = [r[0] for r in rows]
    lo, hi = min(hs), max(hs)
    write(sys.argv[2] + "/height.pgm", [(h - lo) / ((hi - lo) or 1) for h in hs])
    write(sys.argv[2] + "/mat.pgm", [r[1] for r in rows])
    write(sys.argv[2] + "/tone.pgm", [r[2] for r in rows])
    write(sys.argv[2] + "/band.pgm", [beads_band(sys.argv[1], i / (N - 1)) for i in range(N)])


if __name__ == "__main__":
    main()
