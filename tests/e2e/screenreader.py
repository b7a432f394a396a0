#!/usr/bin/python3
# screenreader.py: plays Quintrel to the win as a blind player would, through the accessibility
# bus alone. It reads the nine cells of the board's table, knows nothing of the cards but the rule
# that two touching edges fit when they show the two halves of one suit (and that a quarter turn
# clockwise brings each edge round to the next side), finds the arrangement where every seam fits,
# plays it with key presses, and finds the win window by its name.
#
# screenreader.py --language TS reads, without playing, what the tree says in the translation TS:
# the menu bar's menus and the nine cells of the first deal, each compared with the translated
# phrases. screenreader.py --splash-title TS prints the splash window's title in that translation.
import re
import subprocess
import sys
import time

import xml.etree.ElementTree as ElementTree

import pyatspi

SIDES = ("Top", "Right", "Bottom", "Left")
CELL = re.compile(r"Row (\d), column (\d): card (\d+), [a-z ]+\. "
                  + r" ".join(rf"{side}: (upper|lower) half of a (\w+)\." for side in SIDES))


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def walk(accessible, depth=0):
    yield accessible
    if depth > 12:
        return
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def application(deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == "quintrel":
                return app
        time.sleep(0.1)
    fail("no application named Quintrel on the accessibility bus")


def board_table(app):
    for accessible in walk(app):
        if accessible.getRoleName() == "table" and accessible.name == "Board":
            return accessible
    return None


def read_cells(table):
    """The nine cells as {position: (card, [edges top, right, bottom, left])}, or None while a
    cell is empty or not yet named."""
    cells = {}
    for i in range(table.childCount):
        cell = table.getChildAtIndex(i)
        if cell is None or cell.getRoleName() != "table cell":
            continue
        match = CELL.fullmatch(cell.name.removesuffix(" Selected."))
        if not match:
            return None
        row, column, card = int(match[1]), int(match[2]), int(match[3])
        edges = [(match[4 + 2 * s], match[5 + 2 * s]) for s in range(4)]
        cells[(row - 1) * 3 + column] = (card, edges)
    return cells if len(cells) == 9 else None


def fits(a, b):
    return a[1] == b[1] and a[0] != b[0]


def turned(edges, turns):
    # A quarter turn clockwise brings the left edge to the top, the top edge to the right, ...
    return [edges[(side - turns) % 4] for side in range(4)]


def solve(cells):
    """A target {position: (card, turns)} where all twelve seams fit."""
    cards = {card: edges for card, edges in cells.values()}
    placed = {}

    def place(position, unused):
        if position > 9:
            return True
        for card in sorted(unused):
            for turns in range(4):
                edges = turned(cards[card], turns)
                left = placed.get(position - 1) if (position - 1) % 3 else None
                above = placed.get(position - 3)
                if left and not fits(left[2][1], edges[3]):
                    continue
                if above and not fits(above[2][2], edges[0]):
                    continue
                placed[position] = (card, turns, edges)
                if place(position + 1, unused - {card}):
                    return True
                del placed[position]
        return False

    if not place(1, set(cards)):
        fail("the cards read from the screen reader fit in no arrangement")
    return {p: (card, turns) for p, (card, turns, _) in placed.items()}


class Player:
    def __init__(self, table):
        self.table = table
        self.cursor = 1  # the keyboard cursor starts on the top left

    def key(self, name):
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)

    def move_to(self, position):
        while self.cursor != position:
            row, column = divmod(self.cursor - 1, 3)
            to_row, to_column = divmod(position - 1, 3)
            if row != to_row:
                self.key("Down" if to_row > row else "Up")
                self.cursor += 3 if to_row > row else -3
            else:
                self.key("Right" if to_column > column else "Left")
                self.cursor += 1 if to_column > column else -1

    def cells_when(self, condition, what, seconds=5):
        deadline = time.time() + seconds
        while time.time() < deadline:
            cells = read_cells(self.table)
            if cells and condition(cells):
                return cells
            time.sleep(0.05)
        fail(f"timed out waiting for {what}")


def main():
    started = time.time()
    app = application(time.time() + 20)
    deadline = time.time() + 20
    table = None
    while table is None and time.time() < deadline:
        table = board_table(app)
        time.sleep(0.1)
    if table is None:
        fail("no table named Board in the application")
    player = Player(table)
    cells = player.cells_when(lambda c: True, "the nine cells to be dealt", 20)
    print("  the reader says of the top left cell: " + table.getChildAtIndex(0).name)
    target = solve(cells)
    print("  arrangement found: " + " ".join(f"{card}+{turns}" for card, turns in target.values()))

    # The swaps: each position in turn gets its card, selected with Space and swapped with Enter.
    for position in range(1, 10):
        card = target[position][0]
        where = next(p for p, (c, _) in cells.items() if c == card)
        if where == position:
            continue
        player.move_to(position)
        player.key("space")
        player.move_to(where)
        player.key("Return")
        cells = player.cells_when(lambda c: c[position][0] == card, f"card {card} to reach position {position}")
    # The turns, the last of which wins.
    for position in range(1, 10):
        for _ in range(target[position][1]):
            before = table.getChildAtIndex(position - 1).name
            player.move_to(position)
            player.key("r")
            deadline = time.time() + 5
            while table.getChildAtIndex(position - 1).name == before:
                if time.time() > deadline:
                    fail(f"the cell at position {position} did not turn")
                time.sleep(0.05)

    deadline = time.time() + 10
    while time.time() < deadline:
        if any(a.name == "Well done!" for a in walk(app)):
            print(f"  the win window 'Well done!' is in the tree, {time.time() - started:.1f} s after the start")
            return
        time.sleep(0.1)
    fail("no window named 'Well done!' after the last move")


def translations(ts):
    """{(context, source, disambiguation): translation} of a .ts file."""
    found = {}
    for context in ElementTree.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            found[(context.findtext("name"), message.findtext("source"), message.findtext("comment") or "")] = (
                message.findtext("translation"))
    return found


def without_access_keys(caption):
    return re.sub(r"&(.)", r"\1", caption)


def check_language(ts):
    said = translations(ts)
    words = lambda source: said[("TileWords", source, "")]
    app = application(time.time() + 20)

    menus = [without_access_keys(said[("quintrel::BoardWindow", caption, "menu bar")]) for caption in ("&File", "&Help")]
    bars = [a for a in walk(app) if a.getRoleName() == "menu bar"]
    if not bars:
        fail("no menu bar in the tree")
    shown = [bars[0].getChildAtIndex(i).name for i in range(bars[0].childCount)]
    if shown != menus:
        fail(f"the menu bar shows {shown}, the translation says {menus}")
    print(f"  the menu bar's menus: {', '.join(shown)}")

    board = said[("quintrel::BoardView", "Board", "")]
    table = None
    deadline = time.time() + 20
    while table is None and time.time() < deadline:
        table = next((a for a in walk(app) if a.getRoleName() == "table" and a.name == board), None)
        time.sleep(0.1)
    if table is None:
        fail(f"no table named {board!r} in the application")

    # A cell of the first deal: its place and card, how it is turned, and its four edges, each a
    # whole translated phrase.
    edge = "|".join(re.escape(words(f"{half} half of a {suit}"))
                    for half in ("upper", "lower") for suit in ("spade", "heart", "diamond", "club"))
    sides = " ".join(re.escape(words(f"{side}: %1.")).replace("%1", f"(?:{edge})") for side in SIDES)

    def cell(position):
        row, column = divmod(position, 3)
        turns = "|".join(re.escape(words(f"Row %1, column %2: card %3, {how}."))
                         .replace("%1", str(row + 1)).replace("%2", str(column + 1)).replace("%3", r"\d{4}")
                         for how in ("not turned", "turned once", "turned twice", "turned three times"))
        return re.compile(f"(?:{turns}) {sides}")

    cells = [cell(position) for position in range(9)]
    deadline = time.time() + 20
    while True:
        names = [table.getChildAtIndex(i).name for i in range(9)]
        if all(pattern.fullmatch(name) for pattern, name in zip(cells, names)):
            break
        if time.time() > deadline:
            fail("the nine cells do not read as the translation says: " + " | ".join(names))
        time.sleep(0.1)
    print(f"  the reader says of the top left cell: {names[0]}")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--splash-title":
        print(translations(sys.argv[2])[("quintrel::SplashWindow", "Quintrel, by the Quintrel makers, 2026", "")])
    elif len(sys.argv) == 3 and sys.argv[1] == "--language":
        check_language(sys.argv[2])
    else:
        main()
