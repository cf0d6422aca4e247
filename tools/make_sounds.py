#!/usr/bin/env python3
"""Synthesises the control panel's two sounds as small WAVE files:
PressButton (one short, damped click) and TwistDial (two quick ratchet
ticks). Deterministic: the same files come out on every run.

usage: tools/make_sounds.py [output folder]   (default resources/sounds)
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def click(duration, tone_hz, decay, noise, rng):
    """A damped tone mixed with a burst of noise, as signed 16-bit samples."""
    samples = []
    for i in range(int(RATE * duration)):
        t = i / RATE
        env = math.exp(-t * decay)
        value = env * (0.6 * math.sin(2 * math.pi * tone_hz * t) + noise * rng.uniform(-1, 1))
        samples.append(int(max(-1.0, min(1.0, value)) * 24000))
    return samples


def silence(duration):
    return [0] * int(RATE * duration)


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "sounds")
    os.makedirs(out, exist_ok=True)
    rng = random.Random(1403)
    write(os.path.join(out, "PressButton.wav"), click(0.045, 1800, 140, 0.5, rng) + silence(0.01))
    tick = click(0.018, 3200, 300, 0.7, rng)
    write(os.path.join(out, "TwistDial.wav"), tick + silence(0.025) + click(0.018, 2900, 300, 0.7, rng) + silence(0.01))


if __name__ == "__main__":
    main()
