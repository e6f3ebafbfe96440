#!/usr/bin/env python3
"""Writes the burner's two sounds into assets/: "ding.wav", a short bright
bell for a chip that verified, and "oo.wav", a falling two-note hum for a
burn that failed. Run it again after changing a tone; the files are kept in
the repository so a build needs no Python."""
import math
import os
import struct
import wave

RATE = 22050


def tone(parts, seconds, decay):
    """Sum of (frequency, level) partials under an exponential fade."""
    samples = []
    for n in range(int(RATE * seconds)):
        t = n / RATE
        attack = min(1.0, t / 0.005)  # no click at the start
        value = sum(level * math.sin(2 * math.pi * f * t) for f, level in parts)
        samples.append(value * attack * math.exp(-decay * t))
    return samples


def write(name, samples):
    peak = max(abs(s) for s in samples) or 1.0
    path = os.path.join(os.path.dirname(__file__), "..", "assets", name)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(s / peak * 0.6 * 32767)) for s in samples))


def main():
    write("ding.wav", tone([(1318.5, 1.0), (2637.0, 0.35), (3955.5, 0.12)], 0.45, 9.0))
    # "Uh-oh": a low note and a lower one, softer at the edges.
    write("oo.wav", tone([(392.0, 1.0), (784.0, 0.2)], 0.22, 3.0) + tone([(311.1, 1.0), (622.2, 0.2)], 0.38, 5.0))


if __name__ == "__main__":
    main()
