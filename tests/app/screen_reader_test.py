#!/usr/bin/python3
"""A blind player's game, heard through the Orca screen reader.

screen_reader_test.py GAME RUN_FOLDER LANGUAGE ORCA_LOG plays by keys only,
as a blind player would, and checks what Orca speaks after each key (read
from its debug log) in LANGUAGE, "ru" or "en". Run it under
tests/support/with_desktop_session.sh and with_screen_reader.sh, which give
it a display, a session bus and a running Orca. Prints the transcript, key
by key, and the time from each key to the first speech.
"""
import datetime
import os
import re
import statistics
import subprocess
import sys
import time

# Orca's echo of a key is logged with a space before its voice, what it
# says of the game without one.
SPEECH = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\{")
QUIET = 0.6   # the speech of one key is over after this long without more
WAIT = 2.5    # the longest a key may take to be answered at all

# The texts the checks look for, by language.
TEXTS = {
    "ru": dict(status="Строка состояния", centre="Слой 2, ряд 2, столбец 2: пусто", empty=": пусто",
               cell=r"Слой \d, ряд \d, столбец \d: \w+", new_game="Новая игра", crosses_turn="Ход крестиков",
               noughts_turn="Ход ноликов", placed=r"Слой 2, ряд 2, столбец 3: крестик", occupied="Занято",
               answers=[r"Нолики: слой \d, ряд \d, столбец \d", r"Закорюки: слой \d, ряд \d, столбец \d",
                        r"Спиральки: слой \d, ряд \d, столбец \d"],
               row=r"ряд \d слоя \d: (\w+, ){2}\w+", column=r"столбец \d слоя \d: (\w+, ){2}\w+",
               pillar=r"столб ряд \d, столбец \d: (\w+, ){2}\w+", summary=r"Ход крестиков\. Побед: Крестики 0",
               last=r"Крестики: слой 2, ряд 2, столбец 3", threats=r"Линию",
               taken_back=r"Взято назад: .*крестик, слой 2, ряд 2, столбец 3", hint="Подсказка",
               result=r"победили|НИЧЬЯ",
               keys=dict(row="Cyrillic_ka", column="Cyrillic_es", pillar="Cyrillic_ze", summary="Cyrillic_yeru",
                         last="Cyrillic_de", threats="Cyrillic_ie")),
    "en": dict(status="Status line", centre="Layer 2, row 2, column 2: empty", empty=": empty",
               cell=r"Layer \d, row \d, column \d: \w+", new_game="New game", crosses_turn="Crosses' turn",
               noughts_turn="Noughts' turn", placed=r"Layer 2, row 2, column 3: cross", occupied="Taken",
               answers=[r"Noughts: layer \d, row \d, column \d", r"Squiggles: layer \d, row \d, column \d",
                        r"Spirals: layer \d, row \d, column \d"],
               row=r"row \d of layer \d: (\w+, ){2}\w+", column=r"column \d of layer \d: (\w+, ){2}\w+",
               pillar=r"pillar at row \d, column \d: (\w+, ){2}\w+", summary=r"Crosses' turn\. Wins: Crosses 0",
               last=r"Crosses: layer 2, row 2, column 3", threats=r"line",
               taken_back=r"Taken back: .*cross, layer 2, row 2, column 3", hint="Hint",
               result=r"won|DRAW",
               keys=dict(row="r", column="c", pillar="p", summary="s", last="l", threats="t")),
}

failures = []


def check(condition, what, heard):
    if not condition:
        failures.append(f"{what}: heard {heard!r}")


class Orca:
    """What Orca speaks, read from its debug log as it grows, whole lines only."""

    def __init__(self, log):
        self.log = log
        self.offset = os.path.getsize(log)

    def spoken(self):
        with open(self.log, "rb") as file:
            file.seek(self.offset)
            chunk = file.read()
        chunk = chunk[:chunk.rfind(b"\n") + 1]
        self.offset += len(chunk)
        lines = []
        for line in chunk.decode("utf-8", errors="replace").splitlines():
            match = SPEECH.match(line)
            if match:
                at = datetime.datetime.combine(datetime.date.today(),
                                               datetime.time.fromisoformat(match.group(1)))
                lines.append((at, match.group(2)))
        return lines


transcript = []
latencies = []


def press(orca, key, quiet=QUIET):
    """Presses a key and returns the texts Orca spoke for it."""
    orca.spoken()  # what came before is not this key's
    sent = datetime.datetime.now()
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    heard, last = [], time.monotonic()
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        new = orca.spoken()
        if new:
            if not heard:
                latencies.append((new[0][0] - sent).total_seconds() * 1000)
            heard += [text for _, text in new]
            last = time.monotonic()
        elif heard and time.monotonic() - last > quiet:
            break
        time.sleep(0.02)
    transcript.append((key, heard))
    # Orca gone or hung: no use waiting out every key that is left.
    if len(transcript) > 6 and not any(h for _, h in transcript[-6:]):
        sys.exit("FAILED: Orca said nothing for six keys in a row")
    # One key, one saying: nothing twice.
    check(len(heard) == len(set(heard)), f"{key} spoke a text twice", heard)
    return heard


def said(heard, pattern):
    return any(re.search(pattern, text) for text in heard)


def whole(heard, text):
    """The text is said, and never cut short."""
    return said(heard, "^" + re.escape(text)) and all(text in h for h in heard if text[:-1] in h)


def main():
    game, folder, language, log = sys.argv[1:5]
    t = TEXTS[language]
    orca = Orca(log)
    process = subprocess.Popen([game], cwd=folder, env=dict(os.environ, SDL_AUDIODRIVER="dummy"),
                               stderr=subprocess.DEVNULL)
    try:
        for _ in range(200):
            window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
                                    capture_output=True, text=True).stdout.split()
            if window:
                break
            time.sleep(0.05)
        else:
            sys.exit("FAILED: no game window")
        # Orca speaks the new window and its focus once it has looked at it.
        start, deadline = [], time.monotonic() + 10
        while time.monotonic() < deadline and not said([text for _, text in start], re.escape(t["status"][:6])):
            start += orca.spoken()
            time.sleep(0.1)
        time.sleep(QUIET)
        start += orca.spoken()
        check(whole([text for _, text in start], t["status"]),
              "the status line, whole, when the window opens", [text for _, text in start])
        transcript.append(("(start)", [text for _, text in start]))

        # The buttons on the way to the board: the one-person preset puts the
        # noughts at half and the two other sides on.
        press(orca, "Tab")
        press(orca, "Tab")
        press(orca, "Tab")
        press(orca, "space")
        press(orca, "Tab")
        heard = press(orca, "Tab")
        check(said(heard, re.escape(t["centre"])), "Tab onto the board says the cursor's cell", heard)
        heard = press(orca, "F2")
        check(said(heard, t["new_game"]) and said(heard, t["crosses_turn"]), "F2 says a new game and whose turn", heard)

        heard = press(orca, "Right")
        check(len([h for h in heard if re.search(t["cell"], h)]) == 1, "an arrow says exactly one cell", heard)
        heard = press(orca, "Return")
        check(said(heard, t["placed"]), "Enter says the piece placed", heard)
        heard = press(orca, "Return")  # the noughts' half move, then the two computer sides
        check(said(heard, t["occupied"]), "Enter on a taken cell says so", heard)
        found = [re.search(p, " ".join(heard)) for p in t["answers"]]
        check(all(found) and [m.start() for m in found] == sorted(m.start() for m in found),
              "the three answers, each with its side, in order", heard)

        for reading in ("row", "column", "pillar", "summary", "last", "threats"):
            heard = press(orca, t["keys"][reading])
            check(said(heard, t[reading]), f"the {reading} key", heard)

        heard = press(orca, "ctrl+z")
        check(said(heard, t["taken_back"]), "Ctrl+Z says what was taken back", heard)
        heard = press(orca, "ctrl+h")
        check(said(heard, t["hint"]), "Ctrl+H says the hint", heard)

        # Play on to the end: Enter on each empty cell the arrows come to,
        # row by row across the layers, down and back up.
        # At an edge a key says the same cell again.
        result, across, down, here = [], "Right", "Down", heard
        for _ in range(120):
            heard = press(orca, across)
            check(len([h for h in heard if re.search(t["cell"], h)]) == 1, "an arrow says exactly one cell", heard)
            if heard == here:
                across = "Left" if across == "Right" else "Right"
                here, heard = heard, press(orca, down)
                if heard == here:
                    down = "Up" if down == "Down" else "Down"
                    heard = press(orca, down)
            here = heard
            if not said(heard, re.escape(t["empty"])):
                continue
            if not said(heard, re.escape(t["empty"])):
                continue
            heard = press(orca, "Return", quiet=1.2)
            if said(heard, t["result"]):
                result = heard
                break
        check(result, "the game's result", result)
        press(orca, "Return")  # closes the box
        heard = press(orca, "F2")
        check(said(heard, t["new_game"]), "F2 after a result", heard)
        heard = press(orca, "Left")
        check(not said(heard, t["result"]), "the result, never again in the next game", heard)

        # Between two persons the turn is news.
        press(orca, "shift+Tab")
        press(orca, "space")
        heard = press(orca, "Tab")
        check(not said(heard, t["result"]), "the result, never again on entering the board", heard)
        heard = press(orca, "Return")
        check(said(heard, t["noughts_turn"]), "the turn passing to another person", heard)
        # And the status line, whole.
        for _ in range(4):
            heard = press(orca, "shift+Tab")
        heard = press(orca, "shift+Tab")
        check(whole(heard, t["noughts_turn"]), "the status line, whole", heard)
    finally:
        process.terminate()
        process.wait(timeout=10)

    for key, heard in transcript:
        print(f"{key:>12} -> {' | '.join(heard)}")
    if latencies:
        print(f"key to first speech: median {statistics.median(latencies):.0f} ms, "
              f"{min(latencies):.0f}-{max(latencies):.0f} ms over {len(latencies)} keys")
    for failure in failures:
        print("FAILED:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
