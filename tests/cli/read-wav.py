#!/usr/bin/env python3
# Reads what tarlix-cli sound writes with Python's own WAV reader, so that the header is checked
# by a reader that shares nothing with the program.
import os
import struct
import subprocess
import sys
import tempfile
import wave

cli = sys.argv[1]
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)


with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "Sound.wav")
    for rate, expr, seconds in [("22050", "sin(2Pi*440x)", 1), ("8000", "(x,-x)", 2)]:
        subprocess.run([cli, "sound", "--rate", rate, "x", "0", str(seconds), expr, "-o", path],
                       check=True)
        with wave.open(path, "rb") as w:
            check(rate + " channels", w.getnchannels() == 2)
            check(rate + " width", w.getsampwidth() == 2)
            check(rate + " rate", w.getframerate() == int(rate))
            check(rate + " frames", abs(w.getnframes() - int(rate) * seconds) <= 1)
            check(rate + " compression", w.getcomptype() == "NONE")
            frames = w.readframes(w.getnframes())
            check(rate + " data", len(frames) == w.getnframes() * 4)
            left, right = struct.unpack_from("<hh", frames, len(frames) - 4)
            if expr == "(x,-x)":
                check("left and right", left > 6000 and right == -left)
            else:
                pairs = struct.iter_unpack("<hh", frames)
                check("left equals right", all(l == r for l, r in pairs))

for f in failures:
    print("wrong:", f)
sys.exit(1 if failures else 0)
