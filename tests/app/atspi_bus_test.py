#!/usr/bin/python3
"""The board through the real accessibility bus, as a screen reader reads it.

atspi_bus_test.py GAME RUN_FOLDER starts the game and reads it with the AT-SPI
client library: the board's table and its 27 cells, then one move made with
the keyboard and the computer's answers. Run it under
tests/support/with_desktop_session.sh, which gives it a display and a
session bus. Anything that cannot be had fails with the reason.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    sys.exit(f"the AT-SPI client library is missing ({error}): scripts/setup installs python3-pyatspi")

TIMEOUT = 15


def fail(message):
    sys.exit(f"FAILED: {message}")


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail(f"no {what} within {TIMEOUT} s")


def find_app(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda a: a.getRole() == role and (name is None or a.name == name), True)


def press(*keys):
    for key in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        time.sleep(0.05)


def main():
    game, folder = sys.argv[1], sys.argv[2]
    for tool in ("xdotool",):
        if subprocess.run(["sh", "-c", f"command -v {tool}"], capture_output=True).returncode != 0:
            fail(f"{tool} is missing: scripts/setup installs it")

    focused = []  # the names of the objects that told they took the focus
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and focused.append(event.source.name), "object:state-changed:focused")

    process = subprocess.Popen([game], cwd=folder, env=dict(os.environ, SDL_AUDIODRIVER="dummy"))
    try:
        app = wait_for("game on the accessibility bus", lambda: find_app("trimbol"))
        board = wait_for("board", lambda: find(app, pyatspi.ROLE_TABLE, "Доска"))

        # The table: 27 rows of one cell, layer by layer, each row by row.
        table = board.queryTable()
        if (table.nRows, table.nColumns, board.childCount) != (27, 1, 27):
            fail(f"the board is {table.nRows} x {table.nColumns} with {board.childCount} cells")
        for row in range(27):
            cell = table.getAccessibleAt(row, 0)
            name = f"Слой {row // 9 + 1}, ряд {row % 9 // 3 + 1}, столбец {row % 3 + 1}: пусто"
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.name != name:
                fail(f"cell {row} is {cell.getRoleName()} '{cell.name}', not '{name}'")

        # One move by keys against the computer: the one-person preset puts the
        # noughts at half and the others on; the cursor starts in the centre.
        window = wait_for("game window", lambda: subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(process.pid)],
            capture_output=True, text=True).stdout.split())
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
        one_player = find(app, pyatspi.ROLE_PUSH_BUTTON, "1игрок")
        one_player.queryAction().doAction(0)
        press("F2", "Tab", "Tab", "Tab", "Tab", "Tab")
        wait_for("focus on the board's centre", lambda: "Слой 2, ряд 2, столбец 2: пусто" in focused)
        press("Return")
        centre = table.getAccessibleAt(13, 0)
        wait_for("the cross in the centre", lambda: centre.name.endswith(": крестик"))
        press("Return")  # the noughts' half move, then the squiggles' and the spirals'

        # The answers are said on the cursor's cell, which keeps the focus.
        def answers():
            cell = table.getAccessibleAt(13, 0)
            return cell if "Спиральки: слой" in cell.description else None
        cell = wait_for("the answers said on the centre", answers)
        if not cell.getState().contains(pyatspi.STATE_FOCUSED):
            fail("the centre lost the focus")
        print(f"read: '{cell.name}', '{cell.description}'")
    finally:
        process.terminate()
        process.wait(timeout=10)


if __name__ == "__main__":
    main()
