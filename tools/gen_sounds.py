#!/usr/bin/env python3
"""Writes the two sounds of the background Timer, synthesized (no recordings):

  data/Athan.wav   the call at prayer time: a slow, rising and falling phrase of soft tones
                   (about 7 s)
  data/PreAth.wav  the pre-alert: a short two-note chime (about 2.5 s)

16-bit mono PCM at 22050 Hz. Each note is a sine with two quiet overtones under an
attack/decay envelope (raised-cosine attack, exponential decay), so nothing clicks; notes may
overlap like a struck bell. Deterministic: the same bytes on every run.

Usage: tools/gen_sounds.py [output directory]   (default: data/ of the repository)
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.6  # of full scale, after normalisation


def note(freq, start, length, total, attack=0.04, decay=1.6):
    """Samples (list of float) of one note added at start seconds into a buffer of total s."""
    out = [0.0] * int(total * RATE)
    first = int(start * RATE)
    count = min(int(length * RATE), len(out) - first)
    for i in range(count):
        t = i / RATE
        if t < attack:
            env = 0.5 - 0.5 * math.cos(math.pi * t / attack)
        else:
            env = math.exp(-(t - attack) / decay)
        # fade the last 50 ms to zero so a cut note does not click
        tail = (count - i) / RATE
        if tail < 0.05:
            env *= tail / 0.05
        w = 2 * math.pi * freq * t
        s = math.sin(w) + 0.25 * math.sin(2 * w) + 0.08 * math.sin(3 * w)
        out[first + i] = env * s
    return out


def mix(parts, total):
    buf = [0.0] * int(total * RATE)
    for p in parts:
        for i, v in enumerate(p):
            buf[i] += v
    top = max(abs(v) for v in buf) or 1.0
    return [PEAK * v / top for v in buf]


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples))


def athan():
    # A phrase in D (Hijaz-like colour: D Eb F# G A), rising to A and settling back on D.
    d, eb, fs, g, a = 293.66, 311.13, 369.99, 392.00, 440.00
    phrase = [(d, 0.0, 1.2), (fs, 0.7, 1.2), (g, 1.4, 1.2), (a, 2.1, 2.0),
              (g, 3.3, 1.0), (fs, 3.9, 1.0), (eb, 4.5, 1.0), (d, 5.1, 2.0)]
    total = 7.2
    parts = [note(f, s, l, total, decay=1.4) for f, s, l in phrase]
    parts.append(note(d / 2, 0.0, total, total, attack=0.6, decay=4.0))  # soft drone
    return mix(parts, total)


def pre_athan():
    total = 2.5
    parts = [note(659.25, 0.0, 1.6, total, attack=0.01, decay=0.6),
             note(523.25, 0.45, 2.0, total, attack=0.01, decay=0.8)]
    return mix(parts, total)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data")
    write(os.path.join(target, "Athan.wav"), athan())
    write(os.path.join(target, "PreAth.wav"), pre_athan())


if __name__ == "__main__":
    main()
