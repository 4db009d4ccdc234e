#!/usr/bin/python3
# What a screen reader finds of the running game, through AT-SPI.
# Usage: lecteur_ecran.py <check> [argument]
#   trou "<name>"   some hole of the board is named exactly so
#   trous <n>       the board has n holes
#   annonce <regex> the last announcement matches
#   boutons         the nine text buttons are push buttons with a description
#   liste <name> <n> <regex>  a list of that name has n items, the first matching
# Exit status 0 when the check holds, 1 otherwise (it says what it found).
import re
import sys

import pyatspi


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Trelmo":
            return app
    return None


def noeuds(o):
    yield o
    for i in range(o.childCount):
        c = o.getChildAtIndex(i)
        if c is not None:
            yield from noeuds(c)


def principal():
    app = application()
    if app is None:
        print("the game is not on the accessibility bus")
        return 1
    tous = list(noeuds(app))
    plateau = [o for o in tous if o.getRoleName() == "panel" and o.name == "Board"]
    trous = [c for p in plateau for c in p]
    quoi, arg = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else "")
    if quoi == "trou":
        ok = any(t.name == arg for t in trous)
        if not ok:
            print("no hole named %r among %s" % (arg, [t.name for t in trous][:8]))
        return 0 if ok else 1
    if quoi == "trous":
        if len(trous) != int(arg):
            print("%d holes" % len(trous))
        return 0 if len(trous) == int(arg) else 1
    if quoi == "annonce":
        annonces = [o.name for o in tous if o.getRoleName() == "notification"]
        ok = any(re.search(arg, a) for a in annonces)
        if not ok:
            print("announcements: %s" % annonces)
        return 0 if ok else 1
    if quoi == "liste":
        # The dialogs are windows of their own: the whole application is searched.
        listes = [o for o in tous if o.getRoleName() == "list" and o.name == arg]
        elements = [c.name for l in listes for c in l if c is not None]
        n, motif = int(sys.argv[3]), sys.argv[4]
        ok = bool(listes) and len(elements) == n and re.search(motif, elements[0])
        if not ok:
            print("lists %s: %s" % ([l.name for l in tous if l.getRoleName() == "list"], elements[:3]))
        return 0 if ok else 1
    if quoi == "boutons":
        boutons = {o.name: o.description for o in tous if o.getRoleName() == "push button"}
        attendus = ["New Game", "Load", "Save", "Scores", "Background", "Marbles", "About", "Help", "Exit"]
        manque = [b for b in attendus if not boutons.get(b)]
        if manque:
            print("missing or without description: %s" % manque)
        return 1 if manque else 0
    print("unknown check %s" % quoi)
    return 2


if __name__ == "__main__":
    sys.exit(principal())
