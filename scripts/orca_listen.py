#!/usr/bin/python3
"""Runs Orca and writes every text it hands to the speech server, one a line.

    orca_listen.py SPOKEN_FILE [ORCA ARGUMENTS...]

Orca's own debug file is block-buffered and misses what say-all speaks; this
records at the speech server, so the file is what a listener would hear, in
order, as it is said.
"""
import runpy
import sys

spoken_path = sys.argv[1]
sys.argv = ["orca"] + sys.argv[2:]
sys.path.insert(1, "/usr/lib/python3/dist-packages")

from orca import debug  # noqa: E402
from orca import speechdispatcherfactory as factory  # noqa: E402


def record(text):
    with open(spoken_path, "a", encoding="utf-8") as out:
        out.write(text.replace("\n", " ") + "\n")


speak_text = factory.SpeechServer._speak
speak_character = factory.SpeechServer.speakCharacter


def _speak(self, text, acss, **kwargs):
    if isinstance(text, str) and text.strip():
        record(text)
    return speak_text(self, text, acss, **kwargs)


def speakCharacter(self, character, acss=None):
    record(character)
    return speak_character(self, character, acss)


# The debug file, where there is one, is flushed line by line: its lines are
# what tells why something was not said.
print_line = debug.println


def println(level, text="", timestamp=False):
    print_line(level, text, timestamp)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println
factory.SpeechServer._speak = _speak
factory.SpeechServer.speakCharacter = speakCharacter
# Orca's launcher stops when another Orca of this user runs, and --replace
# would kill it, whatever its display; each session here has a bus and an X
# server of its own, so the others are left alone.
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
