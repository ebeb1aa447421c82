#!/usr/bin/env python3
"""Writes "Robotz Recycle.wav", the sound the game plays when the computer
captures boxes: a quick rising three-note chime (C6, E6, G6) with a soft
attack and a ringing decay, and a faint high sparkle on the last note.

Only the standard library is used and nothing is random, so running the
script again gives the same file byte for byte.

    python3 assets/make_capture_sound.py [output.wav]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050          # samples per second; every partial stays well below 11025 Hz
LENGTH = 0.48         # seconds
PEAK = 0.70           # loudest sample as a share of full scale (about -3 dBFS)
FADE_OUT = 0.04       # seconds of fade at the very end, so the sound ends at silence

# (start in seconds, frequency in Hz, loudness, decay time constant in seconds)
NOTES = [
    (0.000, 1046.50, 0.80, 0.110),  # C6
    (0.070, 1318.51, 0.80, 0.120),  # E6
    (0.140, 1567.98, 0.90, 0.160),  # G6, rings longest
]
SPARKLE = (0.150, 3135.96, 0.12, 0.050)  # G7, a short glint over the last note

ATTACK = 0.006        # seconds; a raised-cosine onset avoids clicks


def envelope(t, decay):
    """Soft attack, then exponential decay; 0 before the note starts."""
    if t < 0.0:
        return 0.0
    rise = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    return rise * math.exp(-t / decay)


def bell(t, freq):
    """A sine with a little octave and twelfth for a glassy, chime-like tone."""
    w = 2.0 * math.pi * freq * t
    return math.sin(w) + 0.30 * math.sin(2.0 * w) + 0.10 * math.sin(3.0 * w)


def render():
    count = int(RATE * LENGTH)
    fade_start = count - int(RATE * FADE_OUT)
    samples = []
    for i in range(count):
        t = i / RATE
        x = 0.0
        for start, freq, loud, decay in NOTES:
            x += loud * envelope(t - start, decay) * bell(t - start, freq)
        start, freq, loud, decay = SPARKLE
        x += loud * envelope(t - start, decay) * math.sin(2.0 * math.pi * freq * (t - start))
        if i >= fade_start:
            x *= 0.5 + 0.5 * math.cos(math.pi * (i - fade_start) / (count - fade_start))
        samples.append(x)
    # Scale to the chosen peak: loud enough to hear, never clipped.
    top = max(abs(s) for s in samples)
    return [round(s * PEAK / top * 32767) for s in samples]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Robotz Recycle.wav")
    pcm = render()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(pcm), *pcm))
    print("%s: %d samples, %.2f s" % (path, len(pcm), len(pcm) / RATE))


if __name__ == "__main__":
    main()
