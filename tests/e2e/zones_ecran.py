#!/usr/bin/env python3
"""Where things lie on a screenshot of the whole output (for e2e_wayland.sh).

  zones_ecran.py fenetre <shot> <background #rrggbb> <width> <height>
      prints "x y", the top left corner of the one width x height rectangle
      of the shot that is not background (the game's main window); status 1
      when there is none.
  zones_ecran.py bulle <before> <after> <x1> <y1> <x2> <y2>
      prints "left top right bottom" (inclusive), the box around the pixels
      that changed from one shot to the other, leaving out the pointer's
      picture, at (x1, y1) in the first shot and at (x2, y2) in the second;
      status 1 when nothing changed.
The shots are read through ImageMagick's convert (as PPM), without any
Python imaging package.
"""
import subprocess
import sys

SEUIL = 24          # a channel has to change by more than this
CURSEUR = 40        # the pointer's picture lies within this of its hot spot


def lire(chemin):
    ppm = subprocess.run(["convert", chemin, "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    champs = []
    i = 0
    while len(champs) < 4:
        while ppm[i:i + 1].isspace():
            i += 1
        if ppm[i:i + 1] == b"#":
            while ppm[i:i + 1] not in (b"\n", b""):
                i += 1
            continue
        j = i
        while not ppm[j:j + 1].isspace():
            j += 1
        champs.append(ppm[i:j])
        i = j
    if champs[0] != b"P6" or int(champs[3]) != 255:
        raise SystemExit(f"{chemin}: not an 8-bit PPM from convert")
    largeur, hauteur = int(champs[1]), int(champs[2])
    return largeur, hauteur, ppm[i + 1:i + 1 + 3 * largeur * hauteur]


def fenetre(chemin, fond, largeur, hauteur):
    w, h, px = lire(chemin)
    f = bytes.fromhex(fond.lstrip("#"))
    lignes = [0] * h
    colonnes = [0] * w
    for y in range(h):
        base = 3 * w * y
        for x in range(w):
            k = base + 3 * x
            if px[k:k + 3] != f:
                lignes[y] += 1
                colonnes[x] += 1
    # A row of the window holds at least half its width of it; the pointer
    # and small windows do not.
    ys = [y for y in range(h) if lignes[y] >= largeur // 2]
    xs = [x for x in range(w) if colonnes[x] >= hauteur // 2]
    if not ys or not xs:
        return 1
    x0, y0 = xs[0], ys[0]
    if xs[-1] - x0 + 1 != largeur or ys[-1] - y0 + 1 != hauteur:
        return 1
    print(x0, y0)
    return 0


def boite(a, b, w, h, exclues):
    x0 = y0 = None
    x1 = y1 = -1
    for y in range(h):
        base = 3 * w * y
        for x in range(w):
            k = base + 3 * x
            if a[k:k + 3] == b[k:k + 3]:
                continue
            if max(abs(a[k] - b[k]), abs(a[k + 1] - b[k + 1]), abs(a[k + 2] - b[k + 2])) <= SEUIL:
                continue
            if any(l <= x <= r and t <= y <= btm for l, t, r, btm in exclues):
                continue
            x0 = x if x0 is None else min(x0, x)
            y0 = y if y0 is None else min(y0, y)
            x1, y1 = max(x1, x), max(y1, y)
    return None if x0 is None else (x0, y0, x1, y1)


def bulle(avant, apres, pointeurs):
    w, h, a = lire(avant)
    w2, h2, b = lire(apres)
    if (w, h) != (w2, h2):
        raise SystemExit("the two shots differ in size")
    exclues = [(x - 2, y - 4, x + CURSEUR, y + CURSEUR) for x, y in pointeurs]
    zone = boite(a, b, w, h, exclues)
    if zone is None:
        return 1
    print(*zone)
    return 0


def main(argv):
    if len(argv) == 6 and argv[1] == "fenetre":
        return fenetre(argv[2], argv[3], int(argv[4]), int(argv[5]))
    if len(argv) == 8 and argv[1] == "bulle":
        n = [int(v) for v in argv[4:8]]
        return bulle(argv[2], argv[3], [(n[0], n[1]), (n[2], n[3])])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
