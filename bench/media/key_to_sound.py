#!/usr/bin/env python3
"""Key to first sound: the built game, timed from outside as a player hears it.

Runs build/run/trimbol under Xvfb with SDL's disk audio driver, presses the
game's digit keys with xdotool and times each from just before the press to
the first non-zero byte in the driver's file. The driver writes the mix at a
sound card's pace, so that is what a player would hear, within one buffer:
the file is written unbuffered (through a small preload the script builds),
so each of the game's buffers reaches it when SDL hands it over.
Also the game's memory (VmRSS) in the idle window and while a MIDI tune
plays. One column per soundfont: the system's default, then each --font.

Run by hand; see "Measuring the sound" in README.md.
"""

import argparse
import math
import os
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import wave
from pathlib import Path

SYSTEM_FONT = Path("/usr/share/sounds/sf2/default-GM.sf2")
# The game releases the output after 10 idle seconds, checked once a second.
RELEASE_WAIT = 20.0
SOUND_WAIT = 5.0
POLL = 0.001
# Keys of the game's music table: 1-3 WAV, 4-6 MP3, 7-9 MIDI. The game ships
# 8.mid and 9.mid; the bench adds a tone as 1.wav and 4.mp3, and a silent
# 2.wav that stops whatever plays while the output stays open.
MIDI_KEY, SECOND_MIDI_KEY, WAV_KEY, MP3_KEY, HUSH_KEY = "8", "9", "1", "4", "2"
# How long each `xdotool key` ran, start to exit: the most of every figure that is xdotool's own.
XDOTOOL_RUNS = []

CASES = [
    ("midi_start", "key 8 (MIDI), first sound after start"),
    ("wav_start", "key 1 (a WAV), first sound after start"),
    ("mp3_start", "key 4 (an MP3), first sound after start"),
    ("midi_open", "key 9 (MIDI) with the output open"),
    ("wav_open", "key 1 (a WAV) with the output open"),
    ("mp3_open", "key 4 (an MP3) with the output open"),
    ("midi_released", "key 8 (MIDI) after the output was let go"),
    ("wav_released", "key 1 (a WAV) after the output was let go"),
    ("mp3_released", "key 4 (an MP3) after the output was let go"),
]


class BenchError(Exception):
    pass


# SDL's disk driver writes through stdio, whose 4 KB buffer holds two of the
# game's buffers back before either reaches the file; this preload turns the
# buffer off for the driver's file only.
UNBUFFERED_OUTPUT = r"""
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static FILE *unbuffered(FILE *file, const char *path) {
  const char *output = getenv("SDL_DISKAUDIOFILE");
  if (file != NULL && output != NULL && strcmp(path, output) == 0) setvbuf(file, NULL, _IONBF, 0);
  return file;
}
FILE *fopen(const char *path, const char *mode) {
  FILE *(*real)(const char *, const char *) = (FILE *(*)(const char *, const char *))dlsym(RTLD_NEXT, "fopen");
  return unbuffered(real(path, mode), path);
}
FILE *fopen64(const char *path, const char *mode) {
  FILE *(*real)(const char *, const char *) = (FILE *(*)(const char *, const char *))dlsym(RTLD_NEXT, "fopen64");
  return unbuffered(real(path, mode), path);
}
"""


def build_unbuffered_output(folder):
    source, library = folder / "unbuffered_output.c", folder / "unbuffered_output.so"
    source.write_text(UNBUFFERED_OUTPUT)
    built = subprocess.run(["cc", "-shared", "-fPIC", "-O2", "-o", str(library), str(source), "-ldl"],
                           capture_output=True, text=True)
    if built.returncode != 0:
        raise BenchError(f"cannot build the unbuffered output preload:\n{built.stderr}")
    return library


def stop_process(process):
    """Asks a process to end (SIGTERM), and kills it if it has not in 5 s."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def require_tools():
    missing = [tool for tool in ("Xvfb", "xdotool", "lame") if shutil.which(tool) is None]
    if missing:
        raise BenchError(f"{', '.join(missing)} not found: the bench needs Xvfb, xdotool and lame "
                         "(scripts/setup installs them)")


def write_wave(path, seconds, amplitude):
    """A 440 Hz tone (silence at amplitude 0), 16-bit stereo at 44100 Hz, loud from its first sample."""
    rate = 44100
    frames = bytearray()
    for i in range(int(rate * seconds)):
        sample = int(amplitude * math.cos(2 * math.pi * 440 * i / rate))
        frames += struct.pack("<hh", sample, sample)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


def prepare_folder(run_dir, folder):
    """The game's working folder: the run folder's files and the bench's own sounds."""
    for item in run_dir.iterdir():
        if item.is_file() and not os.access(item, os.X_OK):
            shutil.copy(item, folder / item.name)
    for key in (MIDI_KEY, SECOND_MIDI_KEY):
        if not (folder / f"{key}.mid").is_file():
            raise BenchError(f"{run_dir / (key + '.mid')} is missing: build the game first")
    write_wave(folder / f"{WAV_KEY}.wav", 1.0, 12000)
    write_wave(folder / f"{HUSH_KEY}.wav", 0.05, 0)
    subprocess.run(["lame", "--quiet", "-b", "128", str(folder / f"{WAV_KEY}.wav"), str(folder / f"{MP3_KEY}.mp3")],
                   check=True)


class Display:
    """A private Xvfb server on the first free display number."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.stop()
            raise BenchError("Xvfb did not start")
        self.name = ":" + number

    def stop(self):
        # SIGTERM, so the server removes its lock file and socket.
        stop_process(self.server)


class DiskFile:
    """The disk driver's output: what a player would hear."""

    def __init__(self, path):
        self.path = path

    def size(self):
        try:
            return self.path.stat().st_size
        except FileNotFoundError:
            return 0

    def read_from(self, offset):
        try:
            with open(self.path, "rb") as data:
                data.seek(offset)
                return data.read()
        except FileNotFoundError:
            return b""

    def first_sound(self, start, offset):
        """Seconds from start to the first non-zero byte past offset, or None within SOUND_WAIT."""
        while time.monotonic() - start < SOUND_WAIT:
            size = self.size()
            if size < offset:  # the output was opened anew, which truncates the file
                offset = 0
            if size > offset:
                fresh = self.read_from(offset)
                if fresh.strip(b"\0"):
                    return time.monotonic() - start
                offset += len(fresh)
            time.sleep(POLL)
        return None

    def wait_silent(self, seconds=0.3):
        """Until the file has grown by `seconds` of zeros: whatever played is over."""
        offset = self.size()
        begun = quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < seconds:
            if time.monotonic() - begun > SOUND_WAIT:
                raise BenchError("the output does not fall silent")
            time.sleep(0.02)
            fresh = self.read_from(offset)
            offset += len(fresh)
            if fresh.strip(b"\0"):
                quiet_since = time.monotonic()


class Game:
    def __init__(self, executable, folder, env):
        self.log = folder / "game.log"
        with open(self.log, "wb") as log:
            # A session of its own: a Ctrl+C in the terminal reaches the bench, which stops the game.
            self.process = subprocess.Popen([str(executable)], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=log, start_new_session=True)
        self.env = env

    def focus(self):
        """Waits for the main window and gives it the keyboard."""
        found = self.xdotool("search", "--sync", "--onlyvisible", "--pid", str(self.process.pid), timeout=30)
        self.xdotool("windowfocus", "--sync", found.split()[0])

    def xdotool(self, *args, timeout=10):
        try:
            done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            self.check_alive()
            raise BenchError(f"xdotool {' '.join(args)}: no answer in {timeout} s")
        if done.returncode != 0:
            raise BenchError(f"xdotool {' '.join(args)}: {done.stderr.strip()}")
        return done.stdout

    def press(self, key):
        """The monotonic time just before the key is pressed."""
        self.check_alive()
        start = time.monotonic()
        self.xdotool("key", "--delay", "0", key)
        XDOTOOL_RUNS.append((time.monotonic() - start) * 1000)
        return start

    def check_alive(self):
        if self.process.poll() is not None:
            said = self.log.read_text(errors="replace").strip()[-2000:]
            raise BenchError(f"the game exited with {self.process.returncode}" + (f"; it said:\n{said}" if said else ""))

    def rss_mb(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
        raise BenchError("no VmRSS")

    def audio_threads(self):
        names = []
        for task in Path(f"/proc/{self.process.pid}/task").iterdir():
            try:
                name = (task / "comm").read_text().strip()
            except OSError:
                continue  # the thread ended meanwhile
            if name.startswith("SDLAudio"):
                names.append(name)
        return names

    def stop(self):
        stop_process(self.process)


def wait_released(game, output):
    """Until the game has let its output go: no audio thread, and the file no longer grows."""
    deadline = time.monotonic() + RELEASE_WAIT
    size, still_since = output.size(), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.1)
        game.check_alive()
        now = output.size()
        if now != size:
            size, still_since = now, time.monotonic()
        elif time.monotonic() - still_since > 1.5 and not game.audio_threads():
            return
    raise BenchError(f"the output was not let go within {RELEASE_WAIT:.0f} s")


def time_key(game, output, key, cold):
    """Milliseconds from the key to the first sound, or None. A cold output's old file is removed first."""
    if cold:
        output.path.unlink(missing_ok=True)
        offset = 0
    else:
        output.wait_silent()
        if not game.audio_threads():
            raise BenchError("the output closed before a press meant for an open output")
        offset = output.size()
    start = game.press(key)
    seconds = output.first_sound(start, offset)
    return None if seconds is None else seconds * 1000


def hush(game, output):
    game.press(HUSH_KEY)
    output.wait_silent()


def started_game(executable, folder, env, output, figures):
    """A fresh game, its window idle and its output not yet open."""
    output.path.unlink(missing_ok=True)
    game = Game(executable, folder, env)
    try:
        game.focus()
        time.sleep(1.5)  # the window settles after its first paint
        if game.audio_threads() or output.path.exists():
            raise BenchError("the output is open before any sound")
        figures["rss_idle"].append(game.rss_mb())
    except BaseException:
        game.stop()
        raise
    return game


def one_round(executable, folder, env, figures):
    """Every case once: a fresh game for each kind's first sound, the MIDI one going on through the rest."""
    output = DiskFile(Path(env["SDL_DISKAUDIOFILE"]))
    for case, key in (("wav_start", WAV_KEY), ("mp3_start", MP3_KEY)):
        game = started_game(executable, folder, env, output, figures)
        try:
            figures[case].append(time_key(game, output, key, True))
        finally:
            game.stop()

    game = started_game(executable, folder, env, output, figures)
    try:
        tune_rss = []

        def play(case, key, cold):
            figures[case].append(time_key(game, output, key, cold))
            if key in (MIDI_KEY, SECOND_MIDI_KEY):
                time.sleep(1.0)
                tune_rss.append(game.rss_mb())
            hush(game, output)

        play("midi_start", MIDI_KEY, True)
        play("midi_open", SECOND_MIDI_KEY, False)
        play("wav_open", WAV_KEY, False)
        play("mp3_open", MP3_KEY, False)
        for case, key in (("midi_released", MIDI_KEY), ("wav_released", WAV_KEY), ("mp3_released", MP3_KEY)):
            wait_released(game, output)
            play(case, key, True)
        figures["rss_tune"].append(max(tune_rss))
    finally:
        game.stop()


def measure(executable, run_folder, display, font, rounds, buffered):
    with tempfile.TemporaryDirectory(prefix="trimbol-key-to-sound-") as name:
        folder = Path(name)
        prepare_folder(run_folder, folder)
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("SDL_", "QT_")) and key != "WAYLAND_DISPLAY"}
        env.update(DISPLAY=display.name, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="disk",
                   SDL_DISKAUDIOFILE=str(folder / "output.raw"))
        if font is not None:
            env["SDL_SOUNDFONTS"] = str(font)
        if not buffered:
            env["LD_PRELOAD"] = str(build_unbuffered_output(folder))
        figures = {case: [] for case, _ in CASES}
        figures.update(rss_idle=[], rss_tune=[])
        for number in range(rounds):
            print(f"  round {number + 1} of {rounds}", file=sys.stderr, flush=True)
            one_round(executable, folder, env, figures)
        return figures


def spread(values, unit):
    """Median and range, and how many presses were not heard."""
    heard = sorted(value for value in values if value is not None)
    failed = len(values) - len(heard)
    if not heard:
        return "not heard" if failed else "-"
    text = f"{statistics.median(heard):.0f} {unit} ({heard[0]:.0f}–{heard[-1]:.0f})"
    return text + (f", {failed} not heard" if failed else "")


def font_title(font):
    if font is None:
        target = SYSTEM_FONT.resolve()
        return f"system default ({target.stem}, {target.stat().st_size / 1e6:.0f} MB)" if target.exists() else \
            "system default (none installed)"
    return f"--font {font.stem} ({font.stat().st_size / 1e6:.0f} MB)"


def print_table(columns, rounds, buffered):
    output = "through stdio's 4 KB buffer" if buffered else "unbuffered"
    print(f"key to first sound: median (range) of {rounds} rounds, output file written {output}; "
          "RSS of the game in MB")
    print()
    print("| case | " + " | ".join(font_title(font) for font, _ in columns) + " |")
    print("|---|" + "---|" * len(columns))
    for case, title in CASES:
        print(f"| {title} | " + " | ".join(spread(figures[case], "ms") for _, figures in columns) + " |")
    print("| memory in the idle window before any sound (RSS) | " +
          " | ".join(spread(figures["rss_idle"], "MB") for _, figures in columns) + " |")
    print("| memory while a MIDI tune plays (RSS, most of a session) | " +
          " | ".join(spread(figures["rss_tune"], "MB") for _, figures in columns) + " |")
    print()
    print(f"Each figure includes xdotool's start; `xdotool key` ran {spread(XDOTOOL_RUNS, 'ms')} from start to exit.")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=Path, default=Path(__file__).resolve().parents[2] / "build",
                        help="the build folder whose run/trimbol is measured (default: the checkout's build)")
    parser.add_argument("--rounds", type=int, default=3, help="fresh games per soundfont (default 3)")
    parser.add_argument("--font", type=Path, action="append", default=[],
                        help="a soundfont given to the game as SDL_SOUNDFONTS, one more column; may repeat")
    parser.add_argument("--buffered", action="store_true",
                        help="leave the driver's file buffered by stdio, as earlier figures were measured")
    args = parser.parse_args()

    # Ctrl+C and kill end through the cleanup below, which stops the game and Xvfb.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        require_tools()
        run_folder = args.build.resolve() / "run"
        executable = run_folder / "trimbol"
        if not os.access(executable, os.X_OK):
            raise BenchError(f"{executable} not found: build the game first")
        for font in args.font:
            if not font.is_file():
                raise BenchError(f"{font}: no such soundfont")
        display = Display()
        try:
            columns = []
            for font in [None, *[font.resolve() for font in args.font]]:
                print(f"measuring {font_title(font)}", file=sys.stderr, flush=True)
                columns.append((font, measure(executable, run_folder, display, font, args.rounds, args.buffered)))
        finally:
            display.stop()
    except BenchError as error:
        print(f"key_to_sound: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        return 130
    print_table(columns, args.rounds, args.buffered)
    return 0


if __name__ == "__main__":
    sys.exit(main())
