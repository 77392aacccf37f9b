#!/usr/bin/python3
"""Writes down what the screen reader Orca says while a person walks Orvella with the keys.

Run by tools/orca-walk.sh inside a D-Bus session of its own. It starts a virtual display with
a window manager, the accessibility bus and Orca with a fresh preferences folder (Orca's
defaults) and a debug log, then the program under an English locale with fresh settings, and
drives a fixed walk with xdotool: the name typed, the day list moved down from 1 to 5, the
month list down to February and back up to January, 1990 chosen, Proceed, every field of the
three tabs, the Tree of Life sphere by sphere and to the path, the menu bar with F10, and the
report window. After each key it waits for Orca: for its utterances to arrive and for its event
queue to fall quiet, never for a fixed time alone.

Orca's log records every utterance as a "SPEECH OUTPUT:" line, whether a voice speaks or not.

Usage: orca_walk.py OUTPUT-FOLDER PROGRAM
Writes OUTPUT-FOLDER/walk.txt (key by key, what Orca said) and walk.json (the same as data),
and keeps Orca's whole log as OUTPUT-FOLDER/orca.log.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Orca writes its debug log through a buffered file: line by line instead, so that the walk
# can read each utterance as it is made. Everything else is Orca as installed.
ORCA_LINE_BUFFERED = r"""
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv = ["orca", "--debug-file=" + log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(\{.*\})?\s*$")
# How long Orca's log must stay quiet after a key before the walk takes the next one, and how
# long a key may go unanswered before the walk records silence.
QUIET = 0.6
ANSWER = 4.0
TITLE = "Orvella v1.25"


class Walk:
    def __init__(self, out, program):
        self.out = out
        self.program = program
        self.session = tempfile.mkdtemp(prefix="orca-walk-")
        self.runtime = os.path.join(self.session, "run")
        os.mkdir(self.runtime, 0o700)
        self.log_path = os.path.join(out, "orca.log")
        self.processes = []
        self.steps = []
        self.env = dict(os.environ)
        self.env.update(
            HOME=self.session,
            XDG_CONFIG_HOME=os.path.join(self.session, "config"),
            XDG_RUNTIME_DIR=self.runtime,
            LANG="C.UTF-8",
            LANGUAGE="",
            LC_ALL="",
        )
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.offset = 0

    # --- the session ---------------------------------------------------------------------

    def start(self, args, env=None, log=None, pass_fds=()):
        process = subprocess.Popen(
            args,
            env=env or self.env,
            stdout=log or subprocess.DEVNULL,
            stderr=subprocess.STDOUT if log else subprocess.DEVNULL,
            start_new_session=True,
            pass_fds=pass_fds,
        )
        self.processes.append(process)
        return process

    def start_display(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1366x768x24",
                    "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                sys.exit("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.start(["openbox"])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

    def quiet_speech(self):
        """Speech Dispatcher as Orca starts it, speaking into ALSA's null device: without a
        sound server its default output fails and it stops answering Orca."""
        with open(os.path.join(self.session, ".asoundrc"), "w") as asound:
            asound.write("pcm.!default { type null }\n")
        config = os.path.join(self.session, "config", "speech-dispatcher")
        os.makedirs(config)
        with open(os.path.join(config, "speechd.conf"), "w") as speechd:
            speechd.write('AudioOutputMethod "alsa"\n'
                          'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                          'DefaultModule espeak-ng\n')

    def start_orca(self):
        self.quiet_speech()
        prefs = os.path.join(self.session, "orca-prefs")
        os.mkdir(prefs)
        if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                          capture_output=True).returncode == 0:
            sys.exit("Another Orca of this user is running: Orca runs once per user")
        self.orca = self.start([sys.executable, "-c", ORCA_LINE_BUFFERED, self.log_path,
                                "--user-prefs=" + prefs],
                               log=open(os.path.join(self.out, "orca.out"), "w"))
        self.wait_for_speech(lambda said: "Screen reader on." in said, 60,
                             "Orca did not start")

    def start_program(self):
        env = dict(self.env)
        config = os.path.join(self.session, "program-config")
        os.mkdir(config)
        env.update(XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(self.session, "data"),
                   XDG_CACHE_HOME=os.path.join(self.session, "cache"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.app = self.start([self.program], env=env,
                              log=open(os.path.join(self.out, "program.log"), "w"))
        window = self.run(["xdotool", "search", "--sync", "--name", TITLE]).split()[0]
        self.run(["xdotool", "windowactivate", "--sync", window])
        self.wait_for_speech(lambda said: "Input window" in said, 30,
                             "Orca never spoke of the input window")
        self.settle()

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in self.processes:
            try:
                process.wait(3)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        subprocess.run(["pkill", "-f", "speech-dispatcher.*" + self.runtime], check=False)
        shutil.rmtree(self.session, ignore_errors=True)

    def run(self, args):
        return subprocess.run(args, env=self.env, check=True, capture_output=True,
                              text=True).stdout

    # --- Orca's log ----------------------------------------------------------------------

    def new_lines(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                text = log.read()
        except FileNotFoundError:
            return []
        # Only whole lines; a line still being written is read the next time.
        end = text.rfind("\n") + 1
        self.offset += len(text[:end].encode("utf-8", errors="replace"))
        return text[:end].splitlines()

    def wait_for_speech(self, done, seconds, failure):
        said = []
        end = time.time() + seconds
        while time.time() < end:
            said += [m.group(1) for m in map(SPEECH.search, self.new_lines()) if m]
            if done(" ".join(said)):
                return said
            if self.orca.poll() is not None:
                break
            time.sleep(0.05)
        self.stop()
        sys.exit(failure)

    def settle(self, answer=ANSWER):
        """What Orca says until its log stays quiet, after the first utterance."""
        said = []
        start = last = time.time()
        while True:
            lines = self.new_lines()
            now = time.time()
            if lines:
                last = now
                said += [m.group(1) for m in map(SPEECH.search, lines) if m]
            if said and now - last >= QUIET:
                return said
            if not said and now - start >= answer:
                return said
            time.sleep(0.05)

    # --- the keys ------------------------------------------------------------------------

    def key(self, name, note=""):
        self.run(["xdotool", "key", "--clearmodifiers", name])
        return self.record(name, note)

    def type(self, text, note=""):
        self.run(["xdotool", "type", "--delay", "120", text])
        return self.record("type " + text, note)

    def record(self, what, note):
        said = self.settle()
        if os.environ.get("ORCA_WALK_VERBOSE"):
            print(what, said, file=sys.stderr, flush=True)
        self.steps.append({"key": what, "note": note, "said": said})
        return said

    def key_until(self, name, stop, most, note=""):
        """Presses the key until Orca's utterances for it are what `stop` looks for, at most
        `most` times."""
        for _ in range(most):
            if stop(self.key(name, note)):
                return True
        return False

    # --- the walk ------------------------------------------------------------------------

    def walk(self):
        def tree(said):
            return any(u.startswith("Tree of Life") for u in said)

        def tabs(said):
            return any("page tab" in u for u in said)

        self.type("ANNA", "name")
        self.key("Tab", "to the day list")
        for _ in range(4):
            self.key("Down", "day list")
        self.key("Tab", "to the month list")
        self.key("Down", "month list")
        self.key("Up", "month list")
        self.key("Tab", "to the year list")
        self.type("1990", "year list")
        self.key("F10", "menu bar")
        self.key("Escape", "menu bar")
        self.key("alt+p", "Proceed")

        # The frame opens on the tab strip, tab "Rune Stone and Tarot Card of Path of Sun Sign".
        self.key_until("Tab", tree, 40, "tab 1")
        for _ in range(11):
            self.key("Right", "sphere")
        self.key("p", "the reading's path")
        self.key("Right", "sphere")
        self.key_until("Tab", tabs, 20, "round to the tab strip")
        self.key("Left", "tab 0")
        self.key_until("Tab", tree, 50, "tab 0")
        self.key_until("Tab", tabs, 20, "round to the tab strip")
        self.key("Right", "tab 1")
        self.key("Right", "tab 2")
        self.key_until("Tab", tree, 20, "tab 2")
        for _ in range(6):
            self.key("Right", "sphere on tab 2")
        self.key("shift+Tab", "back to the explanation")
        self.key("Tab", "the drawing again")
        self.key("F10", "menu bar")
        self.key("Escape", "menu bar")
        self.key("alt+p", "Print")
        for _ in range(3):
            self.key("Down", "report")
        self.key("Escape", "close the report")

    def write(self):
        with open(os.path.join(self.out, "walk.json"), "w", encoding="utf-8") as out:
            json.dump(self.steps, out, indent=1, ensure_ascii=False)
        with open(os.path.join(self.out, "walk.txt"), "w", encoding="utf-8") as out:
            for step in self.steps:
                out.write(f"{step['key']}  ({step['note']})\n" if step["note"] else
                          f"{step['key']}\n")
                for said in step["said"] or ["(silence)"]:
                    out.write(f"    {said}\n")


def main():
    out, program = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    walk = Walk(out, program)
    try:
        walk.start_display()
        walk.start_orca()
        walk.start_program()
        if os.environ.get("ORCA_WALK_HOLD"):
            print("DISPLAY", walk.env["DISPLAY"], file=sys.stderr, flush=True)
            time.sleep(float(os.environ["ORCA_WALK_HOLD"]))
        walk.walk()
    finally:
        walk.write()
        walk.stop()


if __name__ == "__main__":
    main()
