# The game as a screen reader reads it through AT-SPI.
# "atspi.py tree": each window, then its children and theirs, one a line, indented by depth:
#   role | name | description | size of a window, or x y w h of a child in its window.
# "atspi.py names": "seconds name" for each name change of the bonus label, until stopped.
# "atspi.py bonus": the bonus label's name as it stands.
import sys
import time

import pyatspi


def place(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def line(accessible, where):
    return f"{accessible.getRoleName()} | {accessible.name} | {accessible.description} | {where}"


def tree():
    game = next(app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "zellomar")
    for window in game:
        wx, wy, ww, wh = place(window)
        print(line(window, f"{ww} {wh}"))
        children(window, wx, wy, "  ")


def children(parent, wx, wy, indent):
    for child in parent:
        x, y, w, h = place(child)
        print(indent + line(child, f"{x - wx} {y - wy} {w} {h}"))
        children(child, wx, wy, indent + "  ")


def bonus():
    game = next(app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "zellomar")
    label = pyatspi.findDescendant(game, lambda a: a.name.startswith("Bonus:"))
    print(label.name)


def names():
    def heard(event):
        if event.source.name.startswith("Bonus:"):
            print(f"{time.monotonic():.3f} {event.source.name}", flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    pyatspi.Registry.start()


{"tree": tree, "names": names, "bonus": bonus}[sys.argv[1]]()
